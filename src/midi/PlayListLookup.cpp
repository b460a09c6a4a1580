#include "midi/PlayListLookup.h"

#include "midi/MidiListing.h"
#include "midi/MidiMerge.h"

std::vector<const MidiEventList*> PlayListSources(const MidiFile& file)
{
    std::vector<const MidiEventList*> lists;
    lists.reserve(file.tracks.size() + 1);
    for (const MidiTrack& track : file.tracks)
        lists.push_back(&track.events);
    lists.push_back(&file.measureTrack);
    return lists;
}

std::optional<std::size_t> PlayListIndexOf(const MidiFile& file, ListedRecord record)
{
    if (!file.parsed)
        return std::nullopt;
    const std::optional<std::size_t> position =
        PlayListPosition(PlayListSources(file), record.list, record.index);
    if (!position || *position >= file.events.size())
        return std::nullopt;
    return position;
}

std::size_t BarStartOf(const MidiEventList& playList, std::size_t position)
{
    if (position >= playList.size())
        return 0;
    for (std::size_t i = position + 1; i-- > 0;)
        if (playList[i].isMeasureBar)
            return i;
    return 0;
}

std::optional<std::size_t> PlayStartForLine(const MidiFile& file, const MidiListing& listing,
                                            std::size_t line)
{
    const std::optional<ListedRecord> record = listing.RecordAt(line);
    if (!record)
        return std::nullopt;
    const std::optional<std::size_t> index = PlayListIndexOf(file, *record);
    if (!index)
        return std::nullopt;
    return BarStartOf(file.events, *index);
}

PlayedRecordFinder::PlayedRecordFinder(const MidiFile& file) : sources_(PlayListSources(file))
{
}

std::optional<ListedRecord> PlayedRecordFinder::RecordAt(std::size_t position)
{
    if (position == 0)
        return std::nullopt;
    if (!order_ || position < position_) {
        order_.emplace(sources_);
        position_ = 0;
        last_.reset();
    }
    while (position_ < position) {
        const std::optional<MergeSource> next = order_->Take();
        if (!next)
            return std::nullopt;
        ++position_;
        last_ = ListedRecord{next->list, next->index};
    }
    return last_;
}

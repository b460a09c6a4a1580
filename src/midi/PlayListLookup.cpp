#include "midi/PlayListLookup.h"

#include <algorithm>

#include "midi/MidiListing.h"

namespace {

// Where a listed record lies among the file's records, then its measure track.
std::optional<std::size_t> SourceOf(const MidiFile& file, ListedRecord record)
{
    if (record.list < file.tracks.size()) {
        const MidiTrack& track = file.tracks[record.list];
        if (record.index < track.count)
            return track.first + record.index;
    } else if (record.list == file.tracks.size() && record.index < file.measureTrack.size()) {
        return file.records.size() + record.index;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> PlayListIndexOf(const MidiFile& file, ListedRecord record)
{
    const std::optional<std::size_t> source = file.parsed ? SourceOf(file, record) : std::nullopt;
    if (!source)
        return std::nullopt;
    for (std::size_t position = 1; position < file.playList.size(); ++position)
        if (file.playList.Source(position) == *source)
            return position;
    return std::nullopt;
}

std::optional<ListedRecord> ListedRecordAt(const MidiFile& file, std::size_t position)
{
    if (position == 0 || position >= file.playList.size())
        return std::nullopt;
    const std::size_t source = file.playList.Source(position);
    if (source >= file.records.size())
        return ListedRecord{file.tracks.size(), source - file.records.size()};
    // The last track that starts at or before the record.
    const auto after = std::upper_bound(file.tracks.begin(), file.tracks.end(), source,
                                        [](std::size_t at, const MidiTrack& track) { return at < track.first; });
    if (after == file.tracks.begin())
        return std::nullopt;
    const auto track = static_cast<std::size_t>(after - file.tracks.begin()) - 1;
    return ListedRecord{track, source - file.tracks[track].first};
}

std::size_t BarStartOf(const PlayList& playList, std::size_t position)
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
    return BarStartOf(file.playList, *index);
}

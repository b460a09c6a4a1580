#include "midi/MidiMerge.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The latest sounding note on per channel and note, by its place among the records.
class NoteDurations {
public:
    NoteDurations() { lastNoteOn_.fill(kNone); }

    void Note(MidiEvent& event, std::size_t source, MidiEventList& records)
    {
        if ((event.kind != MidiKind::NoteOn && event.kind != MidiKind::NoteOff) || event.data.size() < 2 ||
            event.data[0] > 127)
            return;
        std::size_t& last = lastNoteOn_[static_cast<std::size_t>(event.channel) * 128 + event.data[0]];
        if (event.kind == MidiKind::NoteOn && event.data[1] != 0) {
            last = source;
        } else if (last != kNone) {
            MidiEvent& on = records[last];
            on.duration = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(event.time - on.time, std::numeric_limits<std::uint32_t>::max()));
        }
    }

private:
    std::array<std::size_t, 16 * 128> lastNoteOn_;
};

}  // namespace

MidiEvent MergeStartRecord()
{
    MidiEvent start;
    start.kind = MidiKind::SyntheticHead;
    start.data = MidiBytes{'M', 'e', 'r', 'g', 'e'};
    return start;
}

std::vector<std::span<const MidiEvent>> PlayListSources(const MidiFile& file)
{
    std::vector<std::span<const MidiEvent>> lists;
    lists.reserve(file.tracks.size() + 1);
    for (std::size_t track = 0; track < file.tracks.size(); ++track)
        lists.push_back(file.TrackEvents(track));
    lists.emplace_back(file.measureTrack);
    return lists;
}

PlayList MergeTracks(MidiFile& file)
{
    const std::vector<std::span<const MidiEvent>> lists = PlayListSources(file);
    std::vector<std::uint32_t> order;
    order.reserve(file.records.size() + file.measureTrack.size());
    order.push_back(0);
    NoteDurations durations;
    const std::size_t measureList = file.tracks.size();
    const auto take = [&](std::size_t list, std::size_t index) {
        const bool measure = list == measureList;
        const std::size_t source = measure ? file.records.size() + index : file.tracks[list].first + index;
        order.push_back(static_cast<std::uint32_t>(source));
        if (!measure)
            durations.Note(file.records[source], source, file.records);
    };
    MergeOrder merge(lists);
    while (const auto next = merge.Take()) {
        take(next->list, next->index);
        // Once one list is left its records follow in their own order: the
        // bar lines after the last track ends, thousands after a long silence.
        if (const std::optional<std::size_t> last = merge.LastList()) {
            const std::span<const MidiEvent> rest = lists[*last];
            for (std::size_t index = merge.Take()->index; index < rest.size(); ++index)
                if (rest[index].kind != MidiKind::EndOfTrack)
                    take(*last, index);
            break;
        }
    }
    return PlayList(file.records, file.measureTrack, std::move(order));
}

std::optional<std::size_t> PlayListPosition(MergeLists lists, std::size_t list, std::size_t index)
{
    MergeOrder order(lists);
    for (std::size_t position = 1; const auto next = order.Take(); ++position)
        if (next->list == list && next->index == index)
            return position;
    return std::nullopt;
}

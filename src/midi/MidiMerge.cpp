#include "midi/MidiMerge.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "midi/MergeOrder.h"
#include "midi/MidiEventAppender.h"

namespace {

constexpr std::string_view kCopyText = "Event Copy";

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The latest sounding note on per channel and note, as play-list positions.
class NoteDurations {
public:
    NoteDurations() { lastNoteOn_.fill(kNone); }

    void Note(MidiEventList& playList, std::size_t position)
    {
        const MidiEvent& event = playList[position];
        if ((event.kind != MidiKind::NoteOn && event.kind != MidiKind::NoteOff)
            || event.data.size() < 2 || event.data[0] > 127)
            return;
        std::size_t& last = lastNoteOn_[static_cast<std::size_t>(event.channel & 0x0F) * 128
                                        + event.data[0]];
        if (event.kind == MidiKind::NoteOn && event.data[1] != 0)
            last = position;
        else if (last != kNone)
            playList[last].duration = event.time - playList[last].time;
    }

private:
    std::array<std::size_t, 16 * 128> lastNoteOn_;
};

class Merger {
public:
    explicit Merger(std::span<const MidiEventList* const> lists) : lists_(lists), order_(lists)
    {
        for (const MidiEventList* list : lists_)
            total_ += list->size();
    }

    MidiEventList Run(std::shared_ptr<MidiArena> texts)
    {
        MidiEventList playList(std::move(texts));
        playList.reserve(total_ + 1);
        MidiEventAppender appender(playList);
        appender.Append(MidiKind::SyntheticHead, 0, {'M', 'e', 'r', 'g', 'e'}, 0, "Meta Merge Start");
        std::uint64_t now = 0;
        while (const auto next = order_.Take()) {
            const MidiEvent& source = (*lists_[next->list])[next->index];
            // Lists run forward in time; a list that did not could still never
            // make a negative delta.
            const std::uint64_t time = std::max(next->time, now);
            MidiEvent& copy = appender.AppendDescribed(
                source.kind, source.channel, MidiBytes(source.data), time - now, kCopyText.size(),
                [](char* out) { return std::copy(kCopyText.begin(), kCopyText.end(), out); });
            copy.isMeasureBar = source.isMeasureBar;
            copy.time = now = time;
            durations_.Note(playList, playList.size() - 1);
        }
        return playList;
    }

private:
    std::span<const MidiEventList* const> lists_;
    std::size_t total_ = 0;
    MergeOrder order_;
    NoteDurations durations_;
};

}  // namespace

MidiEventList MergeTracks(std::span<const MidiEventList* const> lists,
                          std::shared_ptr<MidiArena> texts)
{
    return Merger(lists).Run(std::move(texts));
}

std::optional<std::size_t> PlayListPosition(std::span<const MidiEventList* const> lists,
                                            std::size_t list, std::size_t index)
{
    MergeOrder order(lists);
    for (std::size_t position = 1; const auto next = order.Take(); ++position)
        if (next->list == list && next->index == index)
            return position;
    return std::nullopt;
}

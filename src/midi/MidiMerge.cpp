#include "midi/MidiMerge.h"

#include <algorithm>
#include <array>
#include <functional>
#include <queue>

#include "midi/MidiEventAppender.h"

namespace {

struct Cursor {
    std::uint64_t time;
    std::size_t list;
    std::size_t index;

    // Ordered for a min-heap: earliest time, then the lowest list.
    bool operator>(const Cursor& other) const
    {
        return time != other.time ? time > other.time : list > other.list;
    }
};

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
    explicit Merger(std::span<const MidiEventList* const> lists) : lists_(lists)
    {
        for (std::size_t list = 0; list < lists_.size(); ++list) {
            Push(list, 0);
            total_ += lists_[list]->size();
        }
    }

    MidiEventList Run(std::shared_ptr<MidiTextArena> texts)
    {
        MidiEventList playList;
        playList.ShareTexts(std::move(texts));
        playList.reserve(total_ + 1);
        MidiEventAppender appender(playList);
        appender.Append(MidiKind::SyntheticHead, 0, {'M', 'e', 'r', 'g', 'e'}, 0, "Meta Merge Start");
        std::uint64_t now = 0;
        while (!heap_.empty()) {
            const Cursor next = heap_.top();
            heap_.pop();
            const MidiEvent& source = (*lists_[next.list])[next.index];
            // Lists run forward in time; a list that did not could still never
            // make a negative delta.
            const std::uint64_t time = std::max(next.time, now);
            MidiEvent& copy = appender.Append(source.kind, source.channel, source.data,
                                              time - now, "Event Copy");
            copy.isMeasureBar = source.isMeasureBar;
            copy.time = now = time;
            durations_.Note(playList, playList.size() - 1);
            Push(next.list, next.index + 1);
        }
        return playList;
    }

private:
    // Puts the list's first record at or after `index` that is not an End of Track.
    void Push(std::size_t list, std::size_t index)
    {
        const MidiEventList& events = *lists_[list];
        while (index < events.size() && events[index].kind == MidiKind::EndOfTrack)
            ++index;
        if (index < events.size())
            heap_.push({events[index].time, list, index});
    }

    std::span<const MidiEventList* const> lists_;
    std::size_t total_ = 0;
    std::priority_queue<Cursor, std::vector<Cursor>, std::greater<Cursor>> heap_;
    NoteDurations durations_;
};

}  // namespace

MidiEventList MergeTracks(std::span<const MidiEventList* const> lists,
                          std::shared_ptr<MidiTextArena> texts)
{
    return Merger(lists).Run(std::move(texts));
}

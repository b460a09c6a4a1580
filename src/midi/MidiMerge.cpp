#include "midi/MidiMerge.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "midi/MidiEventAppender.h"

namespace {

struct Cursor {
    std::uint64_t time;
    std::size_t list;
    std::size_t index;

    // Earliest time first, then the lowest list.
    bool operator<(const Cursor& other) const
    {
        return time != other.time ? time < other.time : list < other.list;
    }
};

// A min-heap of list cursors that replaces its top in place: the merge takes
// the earliest record and usually puts that list's next one back, so one
// sift-down per record does what a pop and a push would do.
class CursorHeap {
public:
    void Reserve(std::size_t size) { cursors_.reserve(size); }
    bool Empty() const { return cursors_.empty(); }
    const Cursor& Top() const { return cursors_.front(); }

    void Push(const Cursor& cursor)
    {
        cursors_.push_back(cursor);
        std::size_t child = cursors_.size() - 1;
        while (child > 0 && cursor < cursors_[(child - 1) / 2]) {
            cursors_[child] = cursors_[(child - 1) / 2];
            child = (child - 1) / 2;
        }
        cursors_[child] = cursor;
    }
    void ReplaceTop(const Cursor& cursor) { SiftDown(cursor); }
    void PopTop()
    {
        const Cursor last = cursors_.back();
        cursors_.pop_back();
        if (!cursors_.empty())
            SiftDown(last);
    }

private:
    void SiftDown(const Cursor& cursor)
    {
        const std::size_t size = cursors_.size();
        std::size_t hole = 0;
        for (std::size_t child = 1; child < size; child = 2 * hole + 1) {
            if (child + 1 < size && cursors_[child + 1] < cursors_[child])
                ++child;
            if (!(cursors_[child] < cursor))
                break;
            cursors_[hole] = cursors_[child];
            hole = child;
        }
        cursors_[hole] = cursor;
    }

    std::vector<Cursor> cursors_;
};

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

// The order of the play list: the source of each of its records after the
// merge start, as list and index.
class MergeOrder {
public:
    explicit MergeOrder(std::span<const MidiEventList* const> lists) : lists_(lists)
    {
        heap_.Reserve(lists_.size());
        for (std::size_t list = 0; list < lists_.size(); ++list)
            if (const auto first = Next(list, 0))
                heap_.Push(*first);
    }

    // The next source record, or none when every list is done.
    std::optional<Cursor> Take()
    {
        if (heap_.Empty())
            return std::nullopt;
        const Cursor next = heap_.Top();
        if (const auto following = Next(next.list, next.index + 1))
            heap_.ReplaceTop(*following);
        else
            heap_.PopTop();
        return next;
    }

private:
    // The list's first record at or after `index` that is not an End of Track.
    std::optional<Cursor> Next(std::size_t list, std::size_t index) const
    {
        const MidiEventList& events = *lists_[list];
        while (index < events.size() && events[index].kind == MidiKind::EndOfTrack)
            ++index;
        if (index < events.size())
            return Cursor{events[index].time, list, index};
        return std::nullopt;
    }

    std::span<const MidiEventList* const> lists_;
    CursorHeap heap_;
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

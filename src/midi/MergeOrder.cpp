#include "midi/MergeOrder.h"

MergeOrder::MergeOrder(MergeLists lists) : lists_(lists)
{
    heap_.reserve(lists_.size());
    for (std::size_t list = 0; list < lists_.size(); ++list)
        if (const auto first = Next(list, 0))
            Push(*first);
}

std::optional<MergeSource> MergeOrder::Take()
{
    if (heap_.empty())
        return std::nullopt;
    const MergeSource next = heap_.front();
    if (const auto following = Next(next.list, next.index + 1))
        SiftDown(*following);
    else
        PopTop();
    return next;
}

std::optional<std::size_t> MergeOrder::LastList() const
{
    if (heap_.size() != 1)
        return std::nullopt;
    return heap_.front().list;
}

std::optional<MergeSource> MergeOrder::Next(std::size_t list, std::size_t index) const
{
    const std::span<const MidiEvent> events = lists_[list];
    while (index < events.size() && events[index].kind == MidiKind::EndOfTrack)
        ++index;
    if (index < events.size())
        return MergeSource{events[index].time, list, index};
    return std::nullopt;
}

void MergeOrder::Push(const MergeSource& source)
{
    heap_.push_back(source);
    std::size_t child = heap_.size() - 1;
    while (child > 0 && source < heap_[(child - 1) / 2]) {
        heap_[child] = heap_[(child - 1) / 2];
        child = (child - 1) / 2;
    }
    heap_[child] = source;
}

void MergeOrder::PopTop()
{
    const MergeSource last = heap_.back();
    heap_.pop_back();
    if (!heap_.empty())
        SiftDown(last);
}

void MergeOrder::SiftDown(const MergeSource& source)
{
    const std::size_t size = heap_.size();
    std::size_t hole = 0;
    for (std::size_t child = 1; child < size; child = 2 * hole + 1) {
        if (child + 1 < size && heap_[child + 1] < heap_[child])
            ++child;
        if (!(heap_[child] < source))
            break;
        heap_[hole] = heap_[child];
        hole = child;
    }
    heap_[hole] = source;
}

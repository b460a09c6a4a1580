#pragma once
// Records in the order they play: a file's records in merged order, each
// referred to by its place among the file's records rather than copied, or a
// list that is in playing order already (a recording, a test's list). A
// record's delta here is its time less that of the record before it in this
// order. The records must outlive the play list and stay as they are; it
// cannot be copied, only moved, and moving the records' vectors with it
// keeps it valid.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "midi/MidiEvent.h"

class PlayList {
public:
    PlayList() = default;
    PlayList(PlayList&&) = default;
    PlayList& operator=(PlayList&&) = default;
    PlayList(const PlayList&) = delete;
    PlayList& operator=(const PlayList&) = delete;

    // A list played in its own order.
    static PlayList InOrder(const MidiEventList& list);
    // `order` counts `records` first, then `more` after them.
    PlayList(const MidiEventList& records, const MidiEventList& more, std::vector<std::uint32_t> order);

    std::size_t size() const { return inOrder_ ? recordCount_ : order_.size(); }
    bool empty() const { return size() == 0; }
    const MidiEvent& operator[](std::size_t index) const { return Record(Source(index)); }
    std::uint64_t Delta(std::size_t index) const
    {
        return index == 0 ? (*this)[0].time : (*this)[index].time - (*this)[index - 1].time;
    }
    // The place of entry `index` among the records (then `more`).
    std::size_t Source(std::size_t index) const { return inOrder_ ? index : order_[index]; }
    const MidiEvent& Record(std::size_t source) const
    {
        return source < recordCount_ ? records_[source] : more_[source - recordCount_];
    }

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = MidiEvent;
        using difference_type = std::ptrdiff_t;
        using pointer = const MidiEvent*;
        using reference = const MidiEvent&;

        Iterator() = default;
        Iterator(const PlayList* list, std::size_t index) : list_(list), index_(index) {}
        const MidiEvent& operator*() const { return (*list_)[index_]; }
        const MidiEvent* operator->() const { return &(*list_)[index_]; }
        Iterator& operator++()
        {
            ++index_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        const PlayList* list_ = nullptr;
        std::size_t index_ = 0;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size()); }

private:
    const MidiEvent* records_ = nullptr;
    std::size_t recordCount_ = 0;
    const MidiEvent* more_ = nullptr;
    std::vector<std::uint32_t> order_;
    bool inOrder_ = false;
};

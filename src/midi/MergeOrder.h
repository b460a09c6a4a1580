#pragma once
// The order the play list takes its records in: earliest time first, and at
// equal times the earlier list, each list in its own order; End of Track
// records are left out. Walking it again gives the source of each record of
// a play list merged from the same lists.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "midi/MidiEvent.h"

struct MergeSource {
    std::uint64_t time = 0;
    std::size_t list = 0;
    std::size_t index = 0;

    // Earliest time first, then the lowest list.
    bool operator<(const MergeSource& other) const
    {
        return time != other.time ? time < other.time : list < other.list;
    }
};

using MergeLists = std::span<const std::span<const MidiEvent>>;

class MergeOrder {
public:
    explicit MergeOrder(MergeLists lists);

    // The next source record, or none when every list is done.
    std::optional<MergeSource> Take();
    // The list left when all the others are done; none while two or more remain.
    std::optional<std::size_t> LastList() const;

private:
    // The list's first record at or after `index` that is not an End of Track.
    std::optional<MergeSource> Next(std::size_t list, std::size_t index) const;
    void Push(const MergeSource& source);
    void PopTop();
    // Puts `source` where the top was and sifts it down: the merge takes the
    // earliest record and usually puts that list's next one back, so one
    // sift-down per record does what a pop and a push would do.
    void SiftDown(const MergeSource& source);

    MergeLists lists_;
    std::vector<MergeSource> heap_;  // a min-heap of one cursor per list
};

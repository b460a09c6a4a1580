#pragma once
// Builds an event list the way every list is built: each new record adds its
// delta to the running tick count, and its text starts with both numbers.
#include <cstdint>
#include <string_view>

#include "midi/MidiEvent.h"

class MidiEventAppender {
public:
    explicit MidiEventAppender(MidiEventList& list) : list_(list) {}

    MidiEvent& Append(int kind, int channel, MidiBytes data, std::uint64_t delta,
                      std::string_view description);

    std::uint64_t CumulativeTicks() const { return cumulativeTicks_; }

private:
    MidiEventList& list_;
    std::uint64_t cumulativeTicks_ = 0;
};

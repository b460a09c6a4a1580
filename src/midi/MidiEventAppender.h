#pragma once
// Builds an event list the way every list is built: each new record comes
// its delta after the one before it.
#include <cstdint>

#include "midi/MidiEvent.h"

class MidiEventAppender {
public:
    // Appends to `list`, counting time from `start`.
    explicit MidiEventAppender(MidiEventList& list, std::uint64_t start = 0) : list_(list), time_(start) {}

    MidiEvent& Append(int kind, int channel, MidiBytes data, std::uint64_t delta)
    {
        time_ = AddTicks(time_, delta);
        MidiEvent& event = list_.emplace_back();
        event.data = std::move(data);
        event.kind = static_cast<std::uint8_t>(kind);
        event.channel = static_cast<std::uint8_t>(channel & 0x0F);
        event.time = time_;
        return event;
    }

    std::uint64_t Time() const { return time_; }

private:
    MidiEventList& list_;
    std::uint64_t time_;
};

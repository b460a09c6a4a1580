#pragma once
// Builds an event list the way every list is built: each new record adds its
// delta to the running tick count, and its text starts with both numbers.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "midi/MidiDescriptions.h"
#include "midi/MidiEvent.h"

class MidiEventAppender {
public:
    explicit MidiEventAppender(MidiEventList& list) : list_(list) {}

    MidiEvent& Append(int kind, int channel, MidiBytes data, std::uint64_t delta,
                      std::string_view description);

    // As Append, with the description written in place by `describe(char* out)`,
    // which returns where it ends and writes at most `most` characters.
    template <class Describe>
    MidiEvent& AppendDescribed(int kind, int channel, MidiBytes data, std::uint64_t delta,
                               std::size_t most, const Describe& describe)
    {
        MidiEvent& event = AddRecord(kind, channel, std::move(data), delta);
        MidiArena& texts = list_.Texts();
        char* const start = texts.Reserve(kTickColumnsSize + most);
        char* const end = describe(WriteTickColumns(start, cumulativeTicks_, delta));
        event.text = texts.Keep(static_cast<std::size_t>(end - start));
        return event;
    }

    std::uint64_t CumulativeTicks() const { return cumulativeTicks_; }

private:
    MidiEvent& AddRecord(int kind, int channel, MidiBytes data, std::uint64_t delta)
    {
        cumulativeTicks_ += delta;
        MidiEvent& event = list_.emplace_back();
        event.data = std::move(data);
        event.kind = static_cast<std::uint8_t>(kind);
        event.channel = static_cast<std::uint8_t>(channel);
        event.delta = delta;
        return event;
    }

    MidiEventList& list_;
    std::uint64_t cumulativeTicks_ = 0;
};

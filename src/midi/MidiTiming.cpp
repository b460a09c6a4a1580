#include "midi/MidiTiming.h"

std::size_t CountEvents(const MidiEventList& list, std::size_t from)
{
    return from < list.size() ? list.size() - from : 0;
}

std::optional<std::uint32_t> TempoOf(const MidiEvent& event)
{
    if (event.kind != MidiKind::SetTempo || event.data.size() < 3)
        return std::nullopt;
    const std::uint32_t tempo = static_cast<std::uint32_t>(event.data[0]) << 16
                                | static_cast<std::uint32_t>(event.data[1]) << 8 | event.data[2];
    if (tempo == 0)
        return std::nullopt;
    return tempo;
}

std::uint64_t TicksToMs(std::uint64_t delta, std::uint32_t tempo, unsigned division)
{
    if (division == 0)
        return 0;
    // delta * tempo / (division * 1000) without the product overflowing 64
    // bits; one division when it cannot overflow, as for any real delta.
    const std::uint64_t divisor = static_cast<std::uint64_t>(division) * 1000;
    if (delta <= UINT32_MAX)
        return delta * tempo / divisor;
    return delta / divisor * tempo + delta % divisor * tempo / divisor;
}

std::uint64_t RunningTimeMs(const MidiEventList& list, unsigned division)
{
    std::uint32_t tempo = kDefaultTempo;
    std::uint64_t total = 0;
    for (const MidiEvent& event : list) {
        if (const auto newTempo = TempoOf(event))
            tempo = *newTempo;
        total += TicksToMs(event.delta, tempo, division);
    }
    return total;
}

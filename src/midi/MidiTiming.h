#pragma once
// Tick and tempo arithmetic over event lists.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "midi/MidiEvent.h"

inline constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note

// Records from `from` to the end of the list.
std::size_t CountEvents(const MidiEventList& list, std::size_t from = 0);

// The tempo a Set Tempo record sets; none for any other record and for a
// tempo of 0, which would make every later tick take no time at all.
std::optional<std::uint32_t> TempoOf(const MidiEvent& event);

// Milliseconds `delta` ticks last at `tempo`, rounded down; 0 when `division` is 0.
std::uint64_t TicksToMs(std::uint64_t delta, std::uint32_t tempo, unsigned division);

// Milliseconds of the whole list. A tempo change applies to its own delta.
std::uint64_t RunningTimeMs(const MidiEventList& list, unsigned division);

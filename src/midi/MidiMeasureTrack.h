#pragma once
// The synthetic measure track: a head record and one marker per bar line, so
// that the play list carries the bars the sheet instrument draws.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "midi/MidiEvent.h"

struct TimeSignatureMark {
    std::uint64_t time = 0;
    std::uint8_t numerator = 0;
    std::uint8_t denominatorPower = 0;  // the denominator is 2 to this power
};

// Bar lines beyond this many are not marked; a few bytes of file can
// otherwise ask for billions of them.
inline constexpr std::size_t kMaxMeasureBars = 20000;

struct MeasureTrack {
    MidiEventList events;
    // Each record's ticks as listed: 0 for the head, each marker's bar line.
    std::vector<std::uint64_t> ticks;
    bool capped = false;  // kMaxMeasureBars was reached
};

// Ticks per bar: numerator × division × 4 / 2^denominatorPower, rounded down.
std::uint64_t MeasureLength(unsigned numerator, unsigned denominatorPower, unsigned division);

// `marks` in track order, then event order; `trackEnd` is the latest end of any track.
MeasureTrack BuildMeasureTrack(std::span<const TimeSignatureMark> marks, std::uint64_t trackEnd,
                               unsigned division);

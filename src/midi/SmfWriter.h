#pragma once
// Writing the keyboard recorder's list as a Standard MIDI File of format 0.
// The recorded deltas are milliseconds; 500 ticks per quarter note at a
// tempo of 500000 microseconds per quarter make one tick one millisecond, so
// they are written as they stand.
#include <cstdint>
#include <vector>

#include "midi/MidiEvent.h"

inline constexpr unsigned kRecordingDivision = 500;
inline constexpr std::uint32_t kRecordingTempo = 500000;
// The largest delta one variable-length quantity may hold (four bytes).
inline constexpr std::uint32_t kMaxVlq = 0x0FFFFFFF;

// Header and one track: Set Tempo and the program change on channel 0 at
// time 0, every note on and off of the list with its delta, End of Track.
// Other records (the start marker) are left out but their deltas kept. A note
// still held at the end is released there, so no note hangs in a player.
std::vector<std::uint8_t> RecordingToSmf(const MidiEventList& events, int program);

// A variable-length quantity; value at most kMaxVlq.
void AppendVlq(std::vector<std::uint8_t>& out, std::uint32_t value);

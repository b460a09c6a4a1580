#pragma once
// One record of a MIDI file or of a recording. A large file holds a million
// of them, so a record keeps to 24 bytes: the play list refers to the file's
// records instead of copying them, descriptions are written when a line is
// drawn or printed, and no delta is kept: a record's delta is its time less
// that of the record before it in whatever list it is read in.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "midi/MidiBytes.h"

namespace MidiKind {
inline constexpr int NoteOff = 0x80;
inline constexpr int NoteOn = 0x90;
inline constexpr int KeyPressure = 0xA0;
inline constexpr int Controller = 0xB0;
inline constexpr int Program = 0xC0;
inline constexpr int ChannelPressure = 0xD0;
inline constexpr int PitchBend = 0xE0;
inline constexpr int SystemExclusive = 0xF0;
inline constexpr int SequenceNumber = 0x00;
inline constexpr int MetaChannel = 0x20;
inline constexpr int MetaPort = 0x21;
inline constexpr int EndOfTrack = 0x2F;
inline constexpr int SetTempo = 0x51;
inline constexpr int SmpteOffset = 0x54;
inline constexpr int TimeSignature = 0x58;
inline constexpr int KeySignature = 0x59;
inline constexpr int MetaSpecial = 0x7F;
// Records the reader makes up itself: list heads and measure bar markers.
inline constexpr int SyntheticHead = 1;
inline constexpr int MeasureBar = 6;
}  // namespace MidiKind

// Channel of meta and system-exclusive records.
inline constexpr int kMetaChannel = 15;

// Times are kept in 48 bits: some nine thousand years of ticks at 1000 a second.
inline constexpr std::uint64_t kMaxTick = (std::uint64_t{1} << 48) - 1;

struct MidiEvent {
    std::uint64_t time : 48 = 0;        // absolute ticks
    std::uint64_t kind : 8 = 0;         // status with the channel bits cleared, meta type, 0xF0, or a synthetic kind
    std::uint64_t channel : 4 = 0;      // 0..15
    std::uint64_t isMeasureBar : 1 = 0;
    MidiBytes data;
    std::uint32_t duration = 0;  // a note on of a play list: ticks until its note off

    std::size_t length() const { return data.size(); }
};

static_assert(sizeof(MidiEvent) == 24, "records are the bulk of a loaded file");

using MidiEventList = std::vector<MidiEvent>;

// Adds ticks to a time, never past kMaxTick.
inline std::uint64_t AddTicks(std::uint64_t time, std::uint64_t ticks)
{
    return ticks > kMaxTick - time ? kMaxTick : time + ticks;
}

// The ticks since the record before it in its list (its time, for the first).
inline std::uint64_t DeltaOf(const MidiEventList& list, std::size_t index)
{
    return index == 0 ? list[0].time : list[index].time - list[index - 1].time;
}

#pragma once
// A set of pitch classes as twelve bits, bit p for pitch class p (0 = C).
#include <bit>
#include <cstdint>

using PitchSet = std::uint16_t;

inline constexpr PitchSet kAllPitches = 0x0FFF;

inline constexpr PitchSet PitchBit(int pitchClass)
{
    return static_cast<PitchSet>(1u << (((pitchClass % 12) + 12) % 12));
}

// The set moved up by `semitones` (0..11), wrapping round the octave.
inline constexpr PitchSet Transpose(PitchSet set, int semitones)
{
    unsigned bits = set;
    return static_cast<PitchSet>(((bits << semitones) | (bits >> (12 - semitones))) & kAllPitches);
}

inline constexpr int PitchCount(PitchSet set)
{
    return std::popcount(static_cast<unsigned>(set));
}

inline constexpr bool Contains(PitchSet outer, PitchSet inner)
{
    return (outer & inner) == inner;
}

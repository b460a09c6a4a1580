#pragma once
// Tick and tempo arithmetic over event lists.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "midi/MidiEvent.h"
#include "midi/PlayList.h"

inline constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note

// The tempo a Set Tempo record sets; none for any other record and for a
// tempo of 0, which would make every later tick take no time at all.
std::optional<std::uint32_t> TempoOf(const MidiEvent& event);

// Milliseconds `delta` ticks last at `tempo`, rounded down; 0 when `division` is 0.
std::uint64_t TicksToMs(std::uint64_t delta, std::uint32_t tempo, unsigned division);

// How long a tick lasts. A file's division gives either ticks per quarter
// note, whose length follows the tempo in force, or, with its top bit set,
// SMPTE time: the frames per second negated in the high byte (-29 for
// 29.97 drop frame) and ticks per frame in the low byte, a fixed length.
// A recorded list counts milliseconds.
class MidiTimeBase {
public:
    static MidiTimeBase FromDivision(unsigned division);
    static MidiTimeBase Milliseconds();

    // False when a tick has no length: division 0, or no ticks per frame.
    bool Timed() const { return denominator_ != 0; }
    // A tick at `tempo` lasts Weight(tempo) / Denominator() microseconds.
    std::uint64_t Weight(std::uint32_t tempo) const { return followsTempo_ ? tempo : fixedWeight_; }
    std::uint64_t Denominator() const { return denominator_; }
    // The ticks of a quarter note, for bars and note values: the division,
    // or in SMPTE time a quarter note at the default tempo.
    unsigned TicksPerQuarter() const { return ticksPerQuarter_; }

private:
    bool followsTempo_ = true;
    std::uint64_t fixedWeight_ = 0;
    std::uint64_t denominator_ = 0;
    unsigned ticksPerQuarter_ = 0;
};

// Time passed since a start: the exact sum of every record's ticks at the
// tempo in force before it, so a Set Tempo record's own ticks pass at the
// tempo it ends, as the Standard MIDI File format times them. Kept as a
// sum of microsecond weights, rounding never accumulates.
class TickClock {
public:
    using Weight = unsigned __int128;

    explicit TickClock(MidiTimeBase base, std::uint32_t tempo = kDefaultTempo) : base_(base), tempo_(tempo) {}

    // A record `ticks` after the one before it: they pass, then a tempo it sets holds.
    void Pass(std::uint64_t ticks, const MidiEvent& event);
    void PassTicks(std::uint64_t ticks) { passed_ += static_cast<Weight>(ticks) * base_.Weight(tempo_); }
    std::uint32_t Tempo() const { return tempo_; }
    Weight Passed() const { return passed_; }
    // The milliseconds a weight stands for; 0 when ticks have no length.
    double Ms(Weight weight) const;
    double Ms() const { return Ms(passed_); }

private:
    MidiTimeBase base_;
    std::uint32_t tempo_;
    Weight passed_ = 0;
};

// Milliseconds of the whole list, timed as it plays, to the nearest millisecond.
std::uint64_t RunningTimeMs(const PlayList& list, unsigned division);

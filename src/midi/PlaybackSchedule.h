#pragma once
// When each record of a playback is due. Due times are counted from the
// start of a segment (the start of the playback, a rate change, a jump to a
// queued record) by the exact musical time since then, stretched by the
// rate, so rounding never accumulates from one record to the next. A
// schedule is a plain value: a copy is a place to come back to.
#include "midi/MidiTiming.h"

class PlaybackSchedule {
public:
    explicit PlaybackSchedule(MidiTimeBase base = MidiTimeBase::Milliseconds(), std::uint32_t tempo = kDefaultTempo)
        : clock_(base, tempo)
    {
    }

    // The next record, `ticks` after the one before it: returns when it is
    // due. Its ticks pass at the tempo in force; a tempo it sets holds for
    // the records after it.
    double Pass(std::uint64_t ticks, const MidiEvent& event);
    // From the time reached on: it is due at `startMs`, and what follows
    // passes at `rate` (2.0 takes twice as long).
    void Restart(double startMs, double rate);
    double Due() const;
    double Rate() const { return rate_; }
    std::uint32_t Tempo() const { return clock_.Tempo(); }

private:
    TickClock clock_;
    TickClock::Weight segmentStart_ = 0;
    double startMs_ = 0;
    double rate_ = 1.0;
};

#pragma once
// When each record of a playback is due. Due times are counted from the
// start of a segment (the start of the playback, a rate or document change,
// a fast-forward) by the exact sum of the ticks' durations since then, so
// rounding never accumulates from one record to the next.
#include <cstdint>

class PlaybackSchedule {
public:
    // A new segment starting at startMs, at this rate and division.
    void Restart(double startMs, double rate, unsigned division);
    // Counts on from the current due time at a new rate or division.
    void Rebase(double rate, unsigned division) { Restart(Due(), rate, division); }
    // Adds delta ticks lasting tempo microseconds per quarter note; returns
    // the due time after them. With division 0 no time passes.
    double Advance(std::uint64_t delta, std::uint32_t tempo);
    double Due() const;

    double Rate() const { return rate_; }
    unsigned Division() const { return division_; }

private:
    double startMs_ = 0;
    double rate_ = 1.0;
    unsigned division_ = 0;
    unsigned __int128 tickMicros_ = 0;  // sum of delta × tempo since the start
};

#pragma once
// The beat the sound loop and the metronome keep together: when each beat
// falls on the clock. A tempo change holds from a beat on, which keeps its
// time, so what plays on both sides of it stays in step.
#include <cmath>

struct BeatGrid {
    double originMs = 0;    // when beat `originBeat` falls
    double originBeat = 0;  // beats are counted from the first one started
    double beatMs = 600;

    static double BeatMs(int tempo) { return 60000.0 / tempo; }
    static BeatGrid StartingAt(double ms, int tempo) { return {ms, 0, BeatMs(tempo)}; }

    double TimeOf(double beat) const { return originMs + (beat - originBeat) * beatMs; }
    // The first whole beat falling at `ms` or after it.
    double BeatAtOrAfter(double ms) const { return std::ceil(originBeat + (ms - originMs) / beatMs - 1e-9); }
    // From `beat` on at `tempo`.
    BeatGrid ChangedAt(double beat, int tempo) const { return {TimeOf(beat), beat, BeatMs(tempo)}; }
};

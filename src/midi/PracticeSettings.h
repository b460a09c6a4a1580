#pragma once
// The sound loop's and the metronome's settings, kept between runs. The
// two share one tempo, so that they play together on the same beat.
#include "midi/SoundLoopPattern.h"

class ISettings;

struct PracticeSettings {
    static constexpr int kSlowest = 30;
    static constexpr int kFastest = 240;
    static constexpr int kMostNotesPerBeat = 4;
    static constexpr int kMostBeatsPerBar = 12;

    int tempo = 100;  // beats per minute
    LoopPattern pattern = LoopPattern::UpAndDown;
    int notesPerBeat = 1;
    int beatsPerBar = 4;
    bool showTick = false;

    // Values out of range read as their defaults.
    static PracticeSettings Load(ISettings& settings);
    void Save(ISettings& settings) const;
};

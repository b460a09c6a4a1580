#pragma once
// View > Sound Loop and the ticks (Start Ticks, Show Tick, Stop Ticks): the
// sound loop and the metronome playing on one beat through the shared MIDI
// output, their dialogs and settings, and the beat flashing in the status
// bar. The application object owns it and routes the commands here.
#include <memory>

#include "framework/CommandTarget.h"
#include "midi/BeatKeeper.h"
#include "midi/PracticeSettings.h"

class CApplication;
class CModelRoster;
class CPlaybackBridge;
class MidiPlayer;

class PracticeSounds {
public:
    // Without a clock or a timed sender nothing can be played.
    PracticeSounds(CApplication& app, MidiPlayer& player, CPlaybackBridge& bridge, CModelRoster& models);
    ~PracticeSounds();
    PracticeSounds(const PracticeSounds&) = delete;
    PracticeSounds& operator=(const PracticeSounds&) = delete;

    // Sound Loop: the dialog, then the loop (a file playing stops); or,
    // while the loop runs, stops it.
    void ToggleLoop();
    void StartTicks();
    void StopTicks();
    void ToggleShowTick();
    // The loop and the ticks with the settings kept, without their dialogs.
    void PlayLoop();
    void PlayTicks();
    // Both stop: the program or the script ends.
    void StopAll();

    void QueryLoop(CommandState& state) const;
    void QueryStartTicks(CommandState& state) const;
    void QueryStopTicks(CommandState& state) const;
    void QueryShowTick(CommandState& state) const;

    const PracticeSettings& Settings() const { return settings_; }

private:
    void ShowTick(int beat, int beatsPerBar);
    void Save();

    CApplication& app_;
    MidiPlayer& player_;
    CPlaybackBridge& bridge_;
    CModelRoster& models_;
    PracticeSettings settings_;
    std::unique_ptr<BeatKeeper> keeper_;
};

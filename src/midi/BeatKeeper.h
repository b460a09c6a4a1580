#pragma once
// The sound loop and the metronome on one beat. Whichever starts second
// comes in on the next beat of the one playing; a new tempo holds for both
// from that beat on. Alone, each starts at once.
#include "midi/Metronome.h"
#include "midi/PracticeSettings.h"
#include "midi/SoundLoop.h"

class BeatKeeper {
public:
    BeatKeeper(BeatVoice::Ports ports, ISoundLoopHost& host)
        : output_(ports.output), clock_(ports.clock), loop_(ports, host), ticks_(ports)
    {
    }

    SoundLoop::Outcome StartLoop(const PracticeSettings& settings);
    // False when the output cannot be opened.
    bool StartTicks(const PracticeSettings& settings);
    void StopLoop() { loop_.Stop(); }
    void StopTicks() { ticks_.Stop(); }
    void StopAll();

    bool LoopRunning() const { return loop_.Running(); }
    bool TicksRunning() const { return ticks_.Running(); }
    void ModelChanged() { loop_.ModelChanged(); }
    void OnTick(Metronome::TickShown shown) { ticks_.OnTick(std::move(shown)); }

private:
    struct Entry {
        BeatGrid grid;
        double beat = 0;
    };
    // Where a voice starting now comes in, the other one (if it plays)
    // moved to the tempo from there.
    Entry JoinAt(BeatVoice& other, int tempo);

    MidiOutput& output_;
    IClock& clock_;
    SoundLoop loop_;
    Metronome ticks_;
};

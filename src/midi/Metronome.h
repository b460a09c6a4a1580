#pragma once
// The metronome: a click on the General MIDI percussion channel on every
// beat, the first beat of each bar accented (a higher wood block, louder).
// Each click ends half a beat later, which is also when its flash ends.
#include <functional>

#include "midi/BeatVoice.h"

class Metronome : public BeatVoice {
public:
    // On the application's thread: beat 1..beatsPerBar as it clicks, 0
    // when its flash ends or the metronome stops.
    using TickShown = std::function<void(int beat, int beatsPerBar)>;

    static constexpr int kAccentNote = 76;  // Hi Wood Block
    static constexpr int kBeatNote = 77;    // Low Wood Block
    static constexpr int kAccentVelocity = 127;
    static constexpr int kBeatVelocity = 90;

    explicit Metronome(Ports ports) : BeatVoice(ports) {}
    ~Metronome() override { Stop(); }

    // beatsPerBar counts from the first beat started.
    bool Start(const BeatGrid& grid, double firstBeat, int beatsPerBar);
    int BeatsPerBar() const { return beatsPerBar_; }
    void OnTick(TickShown shown) { shown_ = std::move(shown); }

protected:
    double SlotBeats() const override { return 0.5; }
    void Compose(std::int64_t slot, const SoundingNotes& before, std::vector<Message>& out) override;
    void Played(std::int64_t slot, const Message& message, double dueMs) override;
    void Ended() override;

private:
    void Show(int beat);

    int beatsPerBar_ = 4;
    TickShown shown_;
};

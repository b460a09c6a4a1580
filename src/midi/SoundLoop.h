#pragma once
// The sound loop: plays the primary model over and over on the beat, its
// scale or its chord (SoundLoopPattern), on the first channel with the
// piano. A change of the model is heard from the next note on: the new
// scale or chord starts again from its first step there.
#include <optional>

#include "midi/BeatVoice.h"
#include "midi/SoundLoopHost.h"

struct LoopChoice {
    LoopPattern pattern = LoopPattern::UpAndDown;
    int notesPerBeat = 1;
};

class SoundLoop : public BeatVoice {
public:
    static constexpr int kVelocity = 96;

    SoundLoop(Ports ports, ISoundLoopHost& host) : BeatVoice(ports), host_(host) {}
    ~SoundLoop() override { Stop(); }

    enum class Outcome { Started, NoModel, NoOutput };
    Outcome Start(const BeatGrid& grid, double firstBeat, LoopChoice choice);
    // The primary model changed, or went: the loop follows, or stops.
    void ModelChanged();

protected:
    double SlotBeats() const override { return 1.0 / choice_.notesPerBeat; }
    void Compose(std::int64_t slot, const SoundingNotes& before, std::vector<Message>& out) override;
    void Played(std::int64_t slot, const Message& message, double dueMs) override;
    void Began() override { host_.BeginSoundLoop(); }
    void Ended() override { host_.EndSoundLoop(); }

private:
    std::vector<LoopStep> StepsOf(const ModelNotes& notes) const;

    ISoundLoopHost& host_;
    LoopChoice choice_;
    std::vector<LoopStep> steps_;
    std::int64_t firstStepSlot_ = 0;  // where the steps started last
};

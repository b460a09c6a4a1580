#pragma once
// What the sound loop asks of the application: the primary model's notes,
// and its instruments marking the note sounding as they do while a MIDI
// file plays. The application implements it; without a primary model there
// are no notes, and the rest is ignored.
#include <cstdint>
#include <optional>

#include "midi/SoundLoopPattern.h"

class ISoundLoopHost {
public:
    virtual std::optional<ModelNotes> LoopNotes() const = 0;
    // The model goes live for the loop: its instruments show the notes played.
    virtual void BeginSoundLoop() = 0;
    virtual void LoopNote(int note, bool on, std::int64_t nowMs) = 0;
    // The instruments show the model again.
    virtual void EndSoundLoop() = 0;

protected:
    ~ISoundLoopHost() = default;
};

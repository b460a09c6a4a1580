#pragma once
// The MIDI player's way into the primary model: its live flag, key
// signatures, note tables and the instruments attached to it. The primary
// model is looked up at every call, as it may close during a pause.
// Notes from an outside keyboard reach the model the same way: while one
// sounds and no playback runs, the model is live for them alone.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "midi/PlaybackHost.h"

class CModelDoc;
class CModelHistory;
class CModelRoster;

class CPlaybackBridge final : public IPlaybackHost {
public:
    CPlaybackBridge(CModelRoster& models, CModelHistory& history) : models_(models), history_(history) {}

    bool PlaybackRunning() const override;
    void PreparePlayback(const PlayList& list, std::size_t first, unsigned division) override;
    void SetLive(bool live) override;
    void ApplyKeySignature(int sf, int mi) override;
    void RecordPlayed(const PlayedRecord& played) override;
    void FinishPlayback() override;

    // A note on or off from an outside keyboard: the note tables and the
    // instruments follow it as they follow a played record on channel 1.
    void InputNote(int note, bool on, std::int64_t nowMs);
    // Where every played note on and off goes besides the model: the
    // windows that show notes (the keyboard input window its own playback's).
    void SetPlayedNoteHandler(std::function<void(int note, bool on)> handler) { playedNote_ = std::move(handler); }

private:
    CModelDoc* Model() const;
    static void UpdateNoteTables(CModelDoc& model, const PlayedRecord& played);
    void EndInputLive(CModelDoc& model);

    CModelRoster& models_;
    CModelHistory& history_;
    int savedSelection_ = -1;
    // The model's own entry, for when the History box had no selection.
    std::optional<std::string> savedEntry_;
    // The live flag was set by outside notes, not by a playback, which may
    // start meanwhile and then takes the flag over.
    bool inputLive_ = false;
    std::function<void(int note, bool on)> playedNote_;
};

#pragma once
// The MIDI player's way into the primary model: its live flag, key
// signatures, note tables and the instruments attached to it. The primary
// model is looked up at every call, as it may close during a pause.
// Notes from an outside keyboard reach the model the same way: while one
// sounds and no playback runs, the model is live for them alone. So does
// the sound loop, which a file's playback (or the keyboard window's)
// stops as it starts. While a file plays, the windows that name what
// sounds hear of every change of the notes sounding.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "midi/PlaybackHost.h"
#include "midi/SoundLoopHost.h"
#include "midi/SoundingNotes.h"

class CApplication;
class CModelDoc;
class ISoundingNotesView;
class CModelHistory;
class CModelRoster;

class CPlaybackBridge final : public IPlaybackHost, public ISoundLoopHost {
public:
    CPlaybackBridge(CApplication& app, CModelRoster& models, CModelHistory& history)
        : app_(app), models_(models), history_(history) {}

    bool PlaybackRunning() const override;
    void PreparePlayback(const PlayList& list, std::size_t first, unsigned division) override;
    void SetLive(bool live) override;
    void ApplyKeySignature(int sf, int mi) override;
    void RecordPlayed(const PlayedRecord& played) override;
    void FinishPlayback() override;

    std::optional<ModelNotes> LoopNotes() const override;
    void BeginSoundLoop() override;
    void LoopNote(int note, bool on, std::int64_t nowMs) override;
    void EndSoundLoop() override;
    // How a playback starting stops the sound loop.
    void SetLoopStopper(std::function<void()> stop) { stopLoop_ = std::move(stop); }

    // A note on or off from an outside keyboard: the note tables and the
    // instruments follow it as they follow a played record on channel 1.
    void InputNote(int note, bool on, std::int64_t nowMs);
    // Where every played note on and off goes besides the model: the
    // windows that show notes (the keyboard input window its own playback's).
    void SetPlayedNoteHandler(std::function<void(int note, bool on)> handler) { playedNote_ = std::move(handler); }

    // A MIDI file is playing: its notes sounding on the pitched channels.
    bool FilePlaying() const { return filePlaying_; }
    std::vector<int> FileNotesSounding() const { return fileNotes_.PitchedNotes(); }

private:
    // Who made the model live: a playback, outside notes, or the sound loop.
    enum class LiveBy { Nobody, Playback, Input, Loop };

    CModelDoc* Model() const;
    static void UpdateNoteTables(CModelDoc& model, const PlayedRecord& played);
    void PlayNote(int note, bool on, std::int64_t nowMs);
    void FollowOnModel(const PlayedRecord& played);
    void EndInputLive(CModelDoc& model);
    void TakeLiveFromLoop();
    void TellSoundingViews(const std::function<void(ISoundingNotesView&)>& tell) const;

    CApplication& app_;
    CModelRoster& models_;
    CModelHistory& history_;
    int savedSelection_ = -1;
    // The model's own entry, for when the History box had no selection.
    std::optional<std::string> savedEntry_;
    LiveBy liveBy_ = LiveBy::Nobody;
    std::function<void()> stopLoop_;
    bool filePlaying_ = false;
    SoundingNotes fileNotes_;
    bool fileNotesChanged_ = false;
    std::function<void(int note, bool on)> playedNote_;
};

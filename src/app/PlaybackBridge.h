#pragma once
// The MIDI player's way into the primary model: its live flag, key
// signatures, note tables and the instruments attached to it. The primary
// model is looked up at every call, as it may close during a pause.
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
    void PreparePlayback(const MidiEventList& list, std::size_t first, unsigned division) override;
    void SetLive(bool live) override;
    void ApplyKeySignature(int sf, int mi) override;
    void RecordPlayed(const PlayedRecord& played) override;
    void FinishPlayback() override;

private:
    CModelDoc* Model() const;
    static void UpdateNoteTables(CModelDoc& model, const PlayedRecord& played);

    CModelRoster& models_;
    CModelHistory& history_;
    int savedSelection_ = -1;
    // The model's own entry, for when the History box had no selection.
    std::optional<std::string> savedEntry_;
};

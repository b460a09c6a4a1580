#include "app/PlaybackBridge.h"

#include <algorithm>

#include "harmony/ModelDoc.h"
#include "harmony/ModelHistory.h"
#include "harmony/ModelRoster.h"
#include "midi/PlaybackFollower.h"

namespace {

template <class Action>
void ForEachFollower(CModelDoc& model, Action action)
{
    for (CDocument* instrument : model.Instruments())
        if (auto* follower = dynamic_cast<IPlaybackFollower*>(instrument))
            action(*follower);
}

}  // namespace

CModelDoc* CPlaybackBridge::Model() const
{
    return models_.Primary();
}

bool CPlaybackBridge::PlaybackRunning() const
{
    CModelDoc* model = Model();
    return model && model->State().liveFlag != 0 && !inputLive_;
}

void CPlaybackBridge::PreparePlayback(const PlayList& list, std::size_t first, unsigned division)
{
    CModelDoc* model = Model();
    inputLive_ = false;
    if (!model)
        return;
    savedSelection_ = history_.GetSelection(*model);
    savedEntry_ = model->State().HistoryEntry();
    model->noteTables = {};
    ForEachFollower(*model, [&](IPlaybackFollower& follower) {
        if (follower.IsSheetMusic())
            follower.PreparePlayback(list, first, division);
    });
}

void CPlaybackBridge::SetLive(bool live)
{
    inputLive_ = false;
    if (CModelDoc* model = Model())
        model->SetLive(live);
}

void CPlaybackBridge::ApplyKeySignature(int sf, int mi)
{
    if (CModelDoc* model = Model())
        model->ApplyKeySignature(sf, mi != 0);
}

void CPlaybackBridge::RecordPlayed(const PlayedRecord& played)
{
    const MidiEvent& event = played.event;
    bool note = event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff;
    if (note && event.length() >= 2 && playedNote_)
        playedNote_(event.data[0] & 0x7F, event.kind == MidiKind::NoteOn && event.data[1] != 0);
    CModelDoc* model = Model();
    if (!model)
        return;
    UpdateNoteTables(*model, played);
    ForEachFollower(*model, [&](IPlaybackFollower& follower) { FollowRecord(follower, played); });
}

void CPlaybackBridge::UpdateNoteTables(CModelDoc& model, const PlayedRecord& played)
{
    const MidiEvent& event = played.event;
    bool on = event.kind == MidiKind::NoteOn;
    if ((!on && event.kind != MidiKind::NoteOff) || event.length() < 2)
        return;
    std::size_t note = event.data[0] & 0x7F;
    int velocity = on ? event.data[1] : 0;
    // A sounding note's time is never 0, which means silent.
    model.noteTables[0][note] = velocity ? std::max(static_cast<int>(played.nowMs), 1) : 0;
    model.noteTables[event.channel + 1u][note] = velocity;
}

void CPlaybackBridge::FinishPlayback()
{
    CModelDoc* model = Model();
    if (!model)
        return;
    model->SetLive(false);
    // Putting the remembered entry back undoes the key signatures' changes.
    if (savedSelection_ >= 0) {
        history_.SetSelection(*model, savedSelection_);
        history_.ApplyEntry();
    } else if (savedEntry_) {
        model->ApplyHistoryEntry(*savedEntry_);
    }
    model->Recompute();
    ForEachFollower(*model, [](IPlaybackFollower& follower) { follower.FinishPlayback(); });
    savedEntry_.reset();
    savedSelection_ = -1;
}

void CPlaybackBridge::InputNote(int note, bool on, std::int64_t nowMs)
{
    CModelDoc* model = Model();
    if (!model || note < 0 || note > 127)
        return;
    if (!model->State().liveFlag) {
        if (!on)
            return;
        model->noteTables = {};
        model->SetLive(true);
        inputLive_ = true;
    }
    MidiEvent event;
    event.kind = static_cast<std::uint8_t>(on ? MidiKind::NoteOn : MidiKind::NoteOff);
    event.data = MidiBytes{static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(on ? 100 : 0)};
    RecordPlayed({event, nowMs, false});
    const auto& sounding = model->noteTables[0];
    if (inputLive_ && std::all_of(sounding.begin(), sounding.end(), [](int time) { return time == 0; }))
        EndInputLive(*model);
}

// The last outside note has ended: the instruments show the model again.
void CPlaybackBridge::EndInputLive(CModelDoc& model)
{
    inputLive_ = false;
    model.SetLive(false);
    ForEachFollower(model, [](IPlaybackFollower& follower) { follower.FinishPlayback(); });
}

#include "app/PlaybackBridge.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Document.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelHistory.h"
#include "harmony/ModelRoster.h"
#include "midi/PlaybackFollower.h"
#include "midi/ShortMessage.h"
#include "midi/SoundingNotesView.h"

namespace {

template <class Action>
void ForEachFollower(CModelDoc& model, Action action)
{
    for (CDocument* instrument : model.Instruments())
        if (auto* follower = dynamic_cast<IPlaybackFollower*>(instrument))
            action(*follower);
}

bool IsChannelMessage(const MidiEvent& event)
{
    return IsSent(event) && event.kind < MidiKind::SystemExclusive;
}

}  // namespace

CModelDoc* CPlaybackBridge::Model() const
{
    return models_.Primary();
}

bool CPlaybackBridge::PlaybackRunning() const
{
    CModelDoc* model = Model();
    return model && model->State().liveFlag != 0 && liveBy_ != LiveBy::Input && liveBy_ != LiveBy::Loop;
}

void CPlaybackBridge::PreparePlayback(const PlayList& list, std::size_t first, unsigned division)
{
    TakeLiveFromLoop();
    liveBy_ = LiveBy::Nobody;
    filePlaying_ = true;
    fileNotes_.Clear();
    fileNotesChanged_ = false;
    TellSoundingViews([](ISoundingNotesView& view) { view.PlaybackBegan(); });
    CModelDoc* model = Model();
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
    if (live)
        TakeLiveFromLoop();
    liveBy_ = live ? LiveBy::Playback : LiveBy::Nobody;
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
        playedNote_(event.data[0] & 0x7F, IsSoundingNoteOn(event));
    FollowOnModel(played);
    if (!filePlaying_)
        return;
    if (IsChannelMessage(played.event) && fileNotes_.Apply(PackShortMessage(played.event)))
        fileNotesChanged_ = true;
    // The records of one moment sound together: a chord that changes is
    // named once, not note by note.
    if (fileNotesChanged_ && played.endsMoment) {
        fileNotesChanged_ = false;
        const std::vector<int> notes = fileNotes_.PitchedNotes();
        TellSoundingViews([&](ISoundingNotesView& view) { view.NotesSounding(notes); });
    }
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
    filePlaying_ = false;
    TellSoundingViews([](ISoundingNotesView& view) { view.PlaybackEnded(); });
    liveBy_ = LiveBy::Nobody;
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

// A chord's tones as the model spreads them over two octaves; a chord of
// no tones plays the scale.
std::optional<ModelNotes> CPlaybackBridge::LoopNotes() const
{
    CModelDoc* model = Model();
    if (!model)
        return std::nullopt;
    const CModelState& state = model->State();
    ModelNotes notes;
    notes.tonic = state.tonic;
    if (state.HasChord())
        for (std::size_t cell = 0; cell < state.span.size(); ++cell)
            if (!state.span[cell].Empty())
                notes.offsets.push_back(static_cast<int>(cell));
    notes.chord = !notes.offsets.empty();
    if (!notes.chord)
        for (std::size_t cell = 0; cell < 12; ++cell)
            if (!state.scaleNotes[cell].Empty())
                notes.offsets.push_back(static_cast<int>(cell));
    return notes;
}

void CPlaybackBridge::BeginSoundLoop()
{
    CModelDoc* model = Model();
    if (!model)
        return;
    model->noteTables = {};
    model->SetLive(true);
    liveBy_ = LiveBy::Loop;
}

void CPlaybackBridge::LoopNote(int note, bool on, std::int64_t nowMs)
{
    if (liveBy_ == LiveBy::Loop)
        PlayNote(note, on, nowMs);
}

void CPlaybackBridge::EndSoundLoop()
{
    if (liveBy_ != LiveBy::Loop)
        return;
    liveBy_ = LiveBy::Nobody;
    if (CModelDoc* model = Model()) {
        model->noteTables = {};
        model->SetLive(false);
        ForEachFollower(*model, [](IPlaybackFollower& follower) { follower.FinishPlayback(); });
    }
}

void CPlaybackBridge::TakeLiveFromLoop()
{
    if (liveBy_ == LiveBy::Loop && stopLoop_)
        stopLoop_();
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
        liveBy_ = LiveBy::Input;
    }
    if (playedNote_)
        playedNote_(note, on);
    PlayNote(note, on, nowMs);
    const auto& sounding = model->noteTables[0];
    if (liveBy_ == LiveBy::Input && std::all_of(sounding.begin(), sounding.end(), [](int time) { return time == 0; }))
        EndInputLive(*model);
}

// A note on channel 1 that is not a file's.
void CPlaybackBridge::PlayNote(int note, bool on, std::int64_t nowMs)
{
    MidiEvent event;
    event.kind = static_cast<std::uint8_t>(on ? MidiKind::NoteOn : MidiKind::NoteOff);
    event.data = MidiBytes{static_cast<std::uint8_t>(note), static_cast<std::uint8_t>(on ? 100 : 0)};
    FollowOnModel({event, nowMs, false});
}

// The note tables and the instruments follow what was played.
void CPlaybackBridge::FollowOnModel(const PlayedRecord& played)
{
    CModelDoc* model = Model();
    if (!model)
        return;
    UpdateNoteTables(*model, played);
    ForEachFollower(*model, [&](IPlaybackFollower& follower) { FollowRecord(follower, played); });
}

// The last outside note has ended: the instruments show the model again.
void CPlaybackBridge::EndInputLive(CModelDoc& model)
{
    liveBy_ = LiveBy::Nobody;
    model.SetLive(false);
    ForEachFollower(model, [](IPlaybackFollower& follower) { follower.FinishPlayback(); });
}

void CPlaybackBridge::TellSoundingViews(const std::function<void(ISoundingNotesView&)>& tell) const
{
    for (CDocument* document : app_.AllDocuments())
        if (auto* view = dynamic_cast<ISoundingNotesView*>(document); view && !document->IsClosing())
            tell(*view);
}

#include "instruments/IdentifyDoc.h"

#include "framework/Application.h"
#include "framework/Dialog.h"
#include "harmony/IdentifyText.h"
#include "harmony/Keys.h"
#include "harmony/NoteNameInput.h"
#include "instruments/IdentifyHost.h"

CIdentifyDoc::CIdentifyDoc(IIdentifyHost& host) : host_(host), identifier_(host.Scales(), host.Chords())
{
    kind = kKind;
    RegisterCommands();
}

void CIdentifyDoc::RegisterCommands()
{
    On(ID_IDENTIFY_TYPE, [this] { OnTypeNames(); });
    On(ID_IDENTIFY_CLEAR, [this] { Clear(); });
    On(ID_IDENTIFY_SHOW, [this] { ShowSelected(); }, [this](int, CommandState& state) { state.enabled = selected_ >= 0; });
}

bool CIdentifyDoc::OnNewDocument()
{
    SetTitle(kName);
    return true;
}

std::array<std::string, 4> CIdentifyDoc::Fields(const IdentifyResult& result) const
{
    return IdentifyFields(result, host_.Scales(), host_.Chords());
}

void CIdentifyDoc::ToggleNote(int key)
{
    TakeOver();
    int pitchClass = ((key % 12) + 12) % 12;  // the recorder's keys run on past the octave
    played_.Toggle(pitchClass);
    if (lowestPlayed_ >= 0 && lowestPlayed_ % 12 == pitchClass)
        lowestPlayed_ = -1;
    Update();
}

void CIdentifyDoc::SetNotes(PitchSet notes)
{
    SetPlayed(PlayedFromPitches(notes));
}

void CIdentifyDoc::SetPlayed(const PlayedNotes& played)
{
    TakeOver();
    played_ = played;
    lowestPlayed_ = -1;
    Update();
}

void CIdentifyDoc::Update()
{
    results_ = identifier_.Identify(played_);
    selected_ = -1;
    UpdateAllViews(nullptr);
}

void CIdentifyDoc::Select(int index)
{
    selected_ = index >= 0 && index < static_cast<int>(results_.size()) ? index : -1;
    UpdateAllViews(nullptr);
}

void CIdentifyDoc::ShowSelected()
{
    if (selected_ < 0)
        return;
    const IdentifyResult& result = results_[static_cast<std::size_t>(selected_)];
    host_.ShowInPrimaryModel(std::string(kKeyCommands[static_cast<std::size_t>(result.key)].name), result.scale,
                             result.isChord ? result.chord : -1);
}

// Notes from a MIDI keyboard start afresh over a chord a playback left.
void CIdentifyDoc::NoteInput(int note, bool on, int)
{
    if (!on)
        return;
    if (fromPlayback_) {
        TakeOver();
        played_ = {};
        lowestPlayed_ = -1;
    }
    if (lowestPlayed_ < 0 || note < lowestPlayed_) {
        lowestPlayed_ = note;
        played_.PutFirst(note % 12);
    } else {
        played_.Add(note % 12);
    }
    Update();
}

bool CIdentifyDoc::KeyDown(int keyCode)
{
    std::optional<int> key = RecorderKeyFor(keyCode);
    if (!key)
        return false;
    // A held key repeats its key-down message; only the first one counts.
    bool& held = held_[static_cast<std::size_t>(*key)];
    if (!held)
        ToggleNote(kRecorderFirstNote + *key);
    held = true;
    return true;
}

bool CIdentifyDoc::KeyUp(int keyCode)
{
    std::optional<int> key = RecorderKeyFor(keyCode);
    if (!key)
        return false;
    held_[static_cast<std::size_t>(*key)] = false;
    return true;
}

// The names typed replace the notes entered so far; a name that is not a
// note is reported and nothing changes.
void CIdentifyDoc::OnTypeNames()
{
    DialogData dialog;
    dialog.resourceId = kNamesDialog;
    dialog.caption = " Identify Notes";
    dialog.Add(1000, DialogControl::Kind::Label, "Notes (for example C E G Bb):");
    dialog.Add(kNamesEdit, DialogControl::Kind::Edit, "").text = played_.Text();
    if (App().ports.prompts->RunDialog(dialog) != IDOK)
        return;
    EnteredNotes entered = ReadNoteNames(dialog.Find(kNamesEdit)->text);
    if (!entered.unknown.empty()) {
        App().MessageBox("\"" + entered.unknown.front() + "\" is not a note name.", MessageIcon::Warning);
        return;
    }
    SetPlayed(PlayedFromNames(entered.names));
}

void CIdentifyDoc::TakeOver()
{
    following_ = false;
    fromPlayback_ = false;
}

void CIdentifyDoc::PlaybackBegan()
{
    following_ = true;
    fromPlayback_ = true;
    lastHeard_ = {};
    played_ = {};
    lowestPlayed_ = -1;
    Update();
}

void CIdentifyDoc::NotesSounding(const std::vector<int>& notes)
{
    if (!following_)
        return;
    const PlayedNotes played = PlayedFromNoteNumbers(notes);
    if (!played.pitchClasses.empty())
        lastHeard_ = played;
    ShowPlayed(played);
}

void CIdentifyDoc::PlaybackEnded()
{
    if (!following_)
        return;
    following_ = false;
    if (played_.pitchClasses.empty())
        ShowPlayed(lastHeard_);
}

// Naming takes a while over every scale and key: a change that leaves the
// pitch classes and their order as they are changes nothing.
void CIdentifyDoc::ShowPlayed(const PlayedNotes& played)
{
    if (played.pitchClasses == played_.pitchClasses && played_.typedNames.empty())
        return;
    played_ = played;
    lowestPlayed_ = -1;
    Update();
}

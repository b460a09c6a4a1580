#pragma once
// The Identify window's document: the pitch classes entered so far (by the
// window's small keyboard, typed names, the computer keyboard or a MIDI
// keyboard) and the catalogue chords and scales they match. While a MIDI
// file plays it names the notes sounding instead, until the user enters
// notes again; after the playback it keeps the last chord it heard.
#include <array>
#include <string>
#include <vector>

#include "harmony/ChordIdentifier.h"
#include "harmony/PitchSet.h"
#include "harmony/PlayedNotes.h"
#include "midi/NoteInput.h"
#include "midi/RecorderKeys.h"
#include "midi/SoundingNotesView.h"
#include "text/GeneralDoc.h"

class IIdentifyHost;

enum IdentifyCommand {
    ID_IDENTIFY_TYPE = 32911,
    ID_IDENTIFY_CLEAR = 32912,
    ID_IDENTIFY_SHOW = 32913,
};

class CIdentifyDoc : public CGeneralDoc, public INoteInput, public ISoundingNotesView {
public:
    static constexpr const char* kName = "Identify";
    static constexpr int kKind = 9;
    static constexpr int kNamesDialog = 151;
    static constexpr int kNamesEdit = 1001;

    explicit CIdentifyDoc(IIdentifyHost& host);

    bool OnNewDocument() override;

    PitchSet Notes() const { return played_.Pitches(); }
    // The notes in the order entered, with the names typed.
    const PlayedNotes& Played() const { return played_; }
    const std::vector<IdentifyResult>& Results() const { return results_; }
    int Selected() const { return selected_; }
    // A result as its fields: kind, key, scale, chord ("-" for a scale).
    std::array<std::string, 4> Fields(const IdentifyResult& result) const;

    // A key of any octave toggles its pitch class.
    void ToggleNote(int key);
    // The notes from C upwards, none typed.
    void SetNotes(PitchSet notes);
    void SetPlayed(const PlayedNotes& played);
    void Clear() { SetNotes(0); }
    // Out of range selects nothing.
    void Select(int index);
    // The selected result goes to the primary model.
    void ShowSelected();

    // A note on adds its pitch class, first when it is the lowest note
    // played; a note off leaves it, so a chord can be built one note at a time.
    void NoteInput(int note, bool on, int velocity) override;
    // A recorder key pressed toggles its pitch class; true when it was one.
    bool KeyDown(int keyCode);
    bool KeyUp(int keyCode);

    void PlaybackBegan() override;
    void NotesSounding(const std::vector<int>& notes) override;
    void PlaybackEnded() override;
    // The notes shown are what a MIDI file played ("from playback").
    bool FromPlayback() const { return fromPlayback_; }

private:
    void RegisterCommands();
    void OnTypeNames();
    void Update();
    // The user enters notes: the window follows a playback no more.
    void TakeOver();
    void ShowPlayed(const PlayedNotes& played);

    IIdentifyHost& host_;
    CChordIdentifier identifier_;
    PlayedNotes played_;
    int lowestPlayed_ = -1;  // the lowest MIDI note since the notes were set, or -1
    std::vector<IdentifyResult> results_;
    int selected_ = -1;
    std::array<bool, kRecorderKeyCount> held_{};
    bool following_ = false;
    bool fromPlayback_ = false;
    PlayedNotes lastHeard_;  // the last chord a playback sounded
};

#pragma once
// The keyboard input recorder: computer keys sound the notes of a 41-key
// keyboard at once; while recording, each note on and off is appended to an
// event list with the milliseconds since the previous one, and Play plays
// that list back through the MIDI player. Notes from an outside keyboard
// are recorded the same way and shown on the keys they fall on. Save and
// Save As write the list as a Standard MIDI File.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "midi/MidiEvent.h"
#include "midi/NoteInput.h"
#include "midi/PlayList.h"
#include "midi/RecorderKeys.h"
#include "text/GeneralDoc.h"

class MidiPlayer;

enum RecorderCommand {
    ID_RECORDER_REWIND = 176,
    ID_RECORDER_PAUSE = 178,
    ID_RECORDER_STOP = 180,
    ID_RECORDER_PLAY = 183,
    ID_RECORDER_LOOP = 184,
    ID_RECORDER_PARSE = 185,
    ID_RECORDER_RECORD = 206,
};

class CKeyboardInputDoc : public CGeneralDoc, public INoteInput {
public:
    static constexpr const char* kName = "Keyboard Input";
    // The recorder never changes the program: its notes sound with the
    // synthesizer's default, the piano, and a saved file says so.
    static constexpr int kProgram = 0;

    explicit CKeyboardInputDoc(MidiPlayer& player);

    bool OnNewDocument() override;
    void OnCloseDocument() override;

    // A key message; true when it changed a key (the view then redraws and
    // the message goes no further).
    bool KeyDown(int keyCode);
    bool KeyUp(int keyCode);
    // A note from an outside keyboard, which has sounded it already.
    void NoteInput(int note, bool on, int velocity) override;
    // A note of this window's own playback: its key shows while it sounds.
    void NotePlayed(int note, bool on) override;
    // Whether the key shows held, by the computer or an outside keyboard.
    bool KeyHeld(int key) const;
    // Whether the key is marked: held, or sounding in the window's own playback.
    bool KeyMarked(int key) const;

    std::array<int, kRecorderKeyCount> keyState{};
    // 1 while an outside keyboard holds the key's note.
    std::array<int, kRecorderKeyCount> outsideKeys{};
    // 1 while the window's own playback sounds the key's note.
    std::array<int, kRecorderKeyCount> playedKeys{};
    bool recording = false;
    bool playing = false;
    const MidiEventList& Events() const { return events_; }

    // At least one note was recorded: there is something to save.
    bool HasRecording() const;
    // Save (asking for a name the first time) and Save As; false when the
    // user cancelled or the file could not be written.
    bool SaveRecording(bool askForPath);
    // Writes the list to path; a failure is shown in a message box.
    bool WriteRecording(const std::string& path);
    // Notes were recorded since the last save.
    bool HasUnsavedRecording() const { return unsaved_; }
    // Closing with an unsaved recording asks as a text window does.
    SaveAnswer AskToSave() override;
    void DiscardChanges() override { unsaved_ = false; }

private:
    void RegisterCommands();
    bool SetKey(int keyCode, int state);
    void SoundChanges(const std::array<int, kRecorderKeyCount>& old);
    void Append(int kind, int note, int velocity, std::uint32_t now);
    std::uint32_t Now() const;
    void StopRecording();
    // Ends a running playback of this recorder's list.
    void EndOwnPlayback();
    void OnRecord();
    void OnPlay();
    void RegisterSaveCommands();

    MidiPlayer& player_;
    MidiEventList events_;  // the start marker first, when something was recorded
    // The recording as it is played: made at Play, and the recording is
    // not touched while it plays.
    PlayList playList_;
    // Clock value of the last recorded note event; none before the first.
    std::optional<std::uint32_t> lastEventTime_;
    std::string savedPath_;  // where Save writes; empty until a name was chosen
    bool unsaved_ = false;
};

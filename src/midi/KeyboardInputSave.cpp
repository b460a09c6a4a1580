#include <algorithm>

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/SmfWriter.h"
#include "text/TextFile.h"

void CKeyboardInputDoc::RegisterSaveCommands()
{
    // With nothing recorded there is nothing to save: both items are greyed.
    auto whenRecorded = [this](int, CommandState& state) { state.enabled = HasRecording(); };
    On(ID_FILE_SAVE, [this] { SaveRecording(false); }, whenRecorded);
    On(ID_FILE_SAVE_AS, [this] { SaveRecording(true); }, whenRecorded);
}

bool CKeyboardInputDoc::HasRecording() const
{
    return std::any_of(events_.begin(), events_.end(), [](const MidiEvent& event) {
        return event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff;
    });
}

CDocument::SaveAnswer CKeyboardInputDoc::AskToSave()
{
    if (!unsaved_)
        return SaveAnswer::Saved;
    return AskSaveQuestion([this] { return SaveRecording(false); });
}

bool CKeyboardInputDoc::SaveRecording(bool askForPath)
{
    auto path = ChooseSavePath(savedPath_, askForPath, ".mid", "MIDI Files (*.mid)|*.mid|All files (*.*)|*.*");
    return path && WriteRecording(*path);
}

bool CKeyboardInputDoc::WriteRecording(const std::string& path)
{
    std::vector<std::uint8_t> bytes = RecordingToSmf(events_, kProgram);
    if (!WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))) {
        App().MessageBox("Cannot save the recording to " + path + ".", MessageIcon::Warning);
        return false;
    }
    savedPath_ = path;
    unsaved_ = false;
    AddToRecentFiles(path);
    return true;
}

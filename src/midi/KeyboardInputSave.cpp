#include <algorithm>
#include <filesystem>

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/SmfWriter.h"
#include "text/TextFile.h"

std::string WithMidiSuffix(const std::string& path)
{
    std::string name = std::filesystem::path(path).filename().string();
    return name.empty() || name.find('.') != std::string::npos ? path : path + ".mid";
}

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

bool CKeyboardInputDoc::SaveRecording(bool askForPath)
{
    std::string path = savedPath_;
    if (askForPath || path.empty()) {
        std::string proposed = path.empty() ? GetTitle() + ".mid" : path;
        FileDialogRequest request{false, "Save As", "MIDI Files (*.mid)|*.mid|All files (*.*)|*.*", proposed};
        auto chosen = App().ports.prompts->ChooseFile(request);
        if (!chosen)
            return false;
        path = WithMidiSuffix(*chosen);
    }
    return WriteRecording(path);
}

bool CKeyboardInputDoc::WriteRecording(const std::string& path)
{
    std::vector<std::uint8_t> bytes = RecordingToSmf(events_, kProgram);
    if (!WriteWholeFile(path, std::string(bytes.begin(), bytes.end()))) {
        App().MessageBox("Cannot save the recording to " + path + ".", MessageIcon::Warning);
        return false;
    }
    savedPath_ = path;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    App().RecentFiles().Add(error ? path : absolute.lexically_normal().string());
    return true;
}

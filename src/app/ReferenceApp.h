#pragma once
// The application object: owns what all windows share and runs start-up,
// the application commands and the exit procedure.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/HomeDir.h"
#include "framework/Application.h"
#include "harmony/ChordCatalog.h"
#include "harmony/HistoryFile.h"
#include "harmony/ModelHistory.h"
#include "harmony/ModelHost.h"
#include "harmony/ModelRoster.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumentCatalog.h"
#include "instruments/IdentifyHost.h"
#include "instruments/InstrumentHost.h"

class CMainFrame;
class MidiInputRouter;
class CPlaybackBridge;
class CModelDoc;
class MidiPlayer;
class PracticeSounds;
class SoundSetup;

// The document templates, by position.
enum TemplatePosition {
    kGeneralTemplate = 0,
    kModelTemplate = 1,
    kStringedTemplate = 2,
    kKeyboardTemplate = 3,
    kSheetTemplate = 4,
    kWindTemplate = 5,
    kAudioTemplate = 6,
    kMidiTemplate = 7,
    kKeyboardInputTemplate = 8,
    kIdentifyTemplate = 9,
};

class CReferenceApp : public CApplication, public IModelHost, public IInstrumentHost, public IIdentifyHost {
public:
    // homeDir holds the shipped files and takes the files the program writes.
    CReferenceApp(Ports& ports, std::string homeDir);
    CReferenceApp(Ports& ports, ProgramFiles files);
    ~CReferenceApp() override;

    // Start-up with the command-line switches. False when start-up ended
    // without a main window (registration, automation, failure): the
    // process then exits with StartupExitCode().
    bool InitInstance(const std::vector<std::string>& args);
    int StartupExitCode() const { return startupExitCode_; }
    // Why start-up ended with a nonzero exit code, for the terminal.
    const std::string& StartupProblem() const { return startupProblem_; }

    std::string AppTitle() const override { return "Morvix Music Reference"; }
    std::string CommandPrompt(int id) const override;
    // The folder of the shipped files.
    const std::string& HomeDir() const { return files_.dataDir; }
    // A shipped file, or the user's own copy of it.
    std::string HomeFile(const std::string& name) const { return files_.Find(name); }
    // A file that is part of the program (images, icons, help).
    std::string ProgramFile(const std::string& name) const { return files_.Program(name); }
    // Where the program writes one of its own files.
    std::string WritableFile(const std::string& name) const { return files_.Writable(name); }
    CMainFrame& MainFrame() { return *mainFrame_; }
    bool LoadingLayout() const override { return loadingLayout_; }

    // The menus prepared at start-up, shared by every frame that shows them.
    MenuPtr PreparedMenu(int resourceId) const;

    // Opens a file by its extension, or activates it when it is open
    // already; null when nothing was opened.
    CDocument* OpenFileByType(const std::string& path);
    // A MIDI file's listing window (File > Examine...), or the open one.
    CDocument* OpenMidiListing(const std::string& path);
    void PreparePopup(CMenu& popup) override;

    const CNoteSpeller& Speller() const override { return speller_; }
    const CScaleCatalog& Scales() const override { return scales_; }
    const CChordCatalog& Chords() const override { return chords_; }
    CModelHistory& History() override { return history_; }
    const CModelHistory& History() const { return history_; }
    CModelRoster& Models() override { return models_; }
    const CModelRoster& Models() const { return models_; }
    // The one MIDI player, with the MIDI name tables.
    MidiPlayer& Player() { return *midiPlayer_; }
    const MidiPlayer& Player() const { return *midiPlayer_; }
    // The sound loop and the metronome.
    PracticeSounds& Practice() { return *practice_; }
    CPlaybackBridge& PlaybackBridge() { return *playbackBridge_; }
    // The output, SoundFont and volume in use (View > Sound Settings...).
    SoundSetup& Sound() { return *soundSetup_; }

    CModelDoc* NewModel() override;
    MenuPtr ModelMenu() const override;
    CDocument* OpenInstrument(int entryIndex) override;

    const CInstrumentCatalog& Instruments() const override { return instruments_; }
    MenuPtr InstrumentMenu(int kind) const override;
    std::string ProgramName(int program) const override;
    std::optional<std::string> CurrentProgramSummary() const override;

    void ShowInPrimaryModel(const std::string& key, int scale, int chord) override;

private:
    void LoadCatalogues();
    void ReportMissingStrings();
    void RegisterTemplates();
    void PrepareMenus();
    void RegisterCommands();
    void RegisterPracticeCommands();
    void OpenCommandLineFiles(const std::vector<std::string>& files);
    void OnRecentFile(int index);
    void FillRecentFiles(CMenu& popup);
    // Activates the document open on path; null when there is none.
    CDocument* ActivateOpenDocument(const std::string& path);
    void OnFileNew();
    void OnFileOpen();
    void OnAbout();
    void OnExamine();
    void OnAudioFile(bool play);
    // A note the player sends, for the windows that show played notes.
    void ShowPlayedNote(int note, bool on);
    void OnKeyboardInput();
    void OnIdentify();
    CDocument* OpenLargeFile(const std::string& path);

    ProgramFiles files_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::map<int, MenuPtr> menus_;
    std::vector<MenuPtr> catalogueMenus_;
    CNoteSpeller speller_;
    CScaleCatalog scales_;
    CChordCatalog chords_;
    CInstrumentCatalog instruments_;
    CModelRoster models_;
    CModelHistory history_{*this, ports.windows->MainWindow(), files_.Writable(CHistoryFile::kFileName)};
    std::unique_ptr<CPlaybackBridge> playbackBridge_;
    // Goes after the player, whose output sounds through the devices it made.
    std::unique_ptr<SoundSetup> soundSetup_;
    std::unique_ptr<MidiPlayer> midiPlayer_;
    // Goes before the player and the bridge it hands notes to.
    std::unique_ptr<MidiInputRouter> midiInput_;
    // Goes first: its voices end their notes through the player's output
    // and tell the bridge and the models.
    std::unique_ptr<PracticeSounds> practice_;
    bool loadingLayout_ = false;
    int startupExitCode_ = 0;
    std::string startupProblem_;
};

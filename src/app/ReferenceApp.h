#pragma once
// The application object: owns what all windows share and runs start-up,
// the application commands and the exit procedure.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/ModelHistory.h"
#include "framework/Application.h"
#include "harmony/ChordCatalog.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"

class CMainFrame;
class CModelDoc;
class MidiPlayer;

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
};

class CReferenceApp : public CApplication {
public:
    CReferenceApp(Ports& ports, std::string homeDir);
    ~CReferenceApp() override;

    // Start-up with the command-line switches. False when start-up ended
    // without a main window (registration, automation, failure): the
    // process then exits with StartupExitCode().
    bool InitInstance(const std::vector<std::string>& args);
    int StartupExitCode() const { return startupExitCode_; }

    std::string AppTitle() const override { return "Morvix Music Reference"; }
    std::string CommandPrompt(int id) const override;
    const std::string& HomeDir() const { return homeDir_; }
    std::string HomeFile(const std::string& name) const { return homeDir_ + "/" + name; }
    CMainFrame& MainFrame() { return *mainFrame_; }
    bool LoadingLayout() const { return loadingLayout_; }

    // The menus prepared at start-up, shared by every frame that shows them.
    MenuPtr PreparedMenu(int resourceId) const;

    // Opens a file by its extension; null when nothing was opened.
    CDocument* OpenFileByType(const std::string& path);

    const CNoteSpeller& Speller() const { return speller_; }
    const CScaleCatalog& Scales() const { return scales_; }
    const CChordCatalog& Chords() const { return chords_; }
    CModelHistory& History() { return history_; }
    // The one MIDI player, with the MIDI name tables.
    const MidiPlayer& Player() const { return *midiPlayer_; }

    // Opens a new model window; null when it could not be made.
    CModelDoc* NewModel();
    // The first open model, or none.
    CModelDoc* FirstModel() const;
    // A model frame's own copy of the model menu, sharing the catalogue popups.
    MenuPtr ModelMenuFor(CModelDoc& model) const;

    // The model that records and replays history, and the model opened last.
    CModelDoc* primaryModel = nullptr;
    CModelDoc* lastModel = nullptr;

private:
    void LoadCatalogues();
    void RegisterTemplates();
    void PrepareMenus();
    void RegisterCommands();
    void OnFileNew();
    void OnFileOpen();
    void OnAbout();
    void OnExamine();
    void OnAudioFile(bool play);
    CDocument* OpenLargeFile(const std::string& path);

    std::string homeDir_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::map<int, MenuPtr> menus_;
    std::vector<MenuPtr> catalogueMenus_;
    CNoteSpeller speller_;
    CScaleCatalog scales_;
    CChordCatalog chords_;
    CModelHistory history_{*this};
    std::unique_ptr<MidiPlayer> midiPlayer_;
    bool loadingLayout_ = false;
    int startupExitCode_ = 0;
};

#include "app/ReferenceApp.h"

#include <cstdint>
#include <filesystem>

#include "app/AppCommands.h"
#include "app/CommandPrompts.h"
#include "app/DocumentTemplates.h"
#include "app/LayoutKeeper.h"
#include "app/MainFrame.h"
#include "app/MenuResources.h"
#include "app/MidiInputRouter.h"
#include "app/PlaybackBridge.h"
#include "app/PracticeSounds.h"
#include "app/Registration.h"
#include "app/SoundSetup.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/NewWindow.h"
#include "harmony/ModelDoc.h"
#include "instruments/IdentifyDoc.h"
#include "instruments/InstrumentKind.h"
#include "instruments/StringedInstrument.h"
#include "midi/AudioDoc.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/MidiPlayer.h"
#include "midi/NoteInput.h"
#include "morvix/Version.h"
#include "text/GeneralDoc.h"
#include "text/TextFile.h"

CReferenceApp::CReferenceApp(Ports& ports, std::string homeDir) : CReferenceApp(ports, ProgramFiles{homeDir, homeDir, homeDir})
{
}

CReferenceApp::CReferenceApp(Ports& ports, ProgramFiles files) : CApplication(ports), files_(std::move(files))
{
    RegisterCommands();
}

CReferenceApp::~CReferenceApp() = default;

bool CReferenceApp::InitInstance(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--automation" || arg == "--embedding")
            return false;
        if (arg == "--register" || arg == "--unregister") {
            startupProblem_ = UpdateDesktopRegistration(arg == "--register", files_.programDir);
            if (!startupProblem_.empty())
                startupProblem_ = arg + ": " + startupProblem_;
            startupExitCode_ = startupProblem_.empty() ? 0 : 1;
            return false;
        }
        if (!arg.empty() && arg[0] != '-')
            files.push_back(arg);
    }
    RecentFiles().Load();
    RegisterTemplates();
    LoadCatalogues();
    PrepareMenus();
    mainFrame_ = std::make_unique<CMainFrame>(*this);
    if (!mainFrame_->Create())
        return false;
    SetMainTarget(mainFrame_.get());
    SetDefaultMenu(PreparedMenu(IDR_MAINFRAME));
    ports.windows->MainWindow().SetCaption(AppTitle());
    mainFrame_->ShowWithPlacement(SW_SHOWNORMAL);
    playbackBridge_ = std::make_unique<CPlaybackBridge>(*this, models_, history_);
    playbackBridge_->SetPlayedNoteHandler([this](int note, bool on) { ShowPlayedNote(note, on); });
    midiPlayer_ = std::make_unique<MidiPlayer>(
        MidiPlayerPorts{ports.midiOut, ports.clock, ports.sender, playbackBridge_.get()});
    soundSetup_ = std::make_unique<SoundSetup>(*this, midiPlayer_->Output());
    soundSetup_->Start();
    practice_ = std::make_unique<PracticeSounds>(*this, *midiPlayer_, *playbackBridge_, models_);
    loadingLayout_ = true;
    bool restored = CLayoutKeeper(*this).RestoreLayout();
    loadingLayout_ = false;
    if (!restored)
        NewModel();
    midiInput_ = std::make_unique<MidiInputRouter>(*this, *midiPlayer_, *playbackBridge_);
    midiInput_->Start(ports.midiIn);
    OpenCommandLineFiles(files);
    return true;
}

// The desktop entry hands the files a user opened with the program.
void CReferenceApp::OpenCommandLineFiles(const std::vector<std::string>& files)
{
    for (const std::string& path : files) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            MessageBox("The file " + path + " does not exist.", MessageIcon::Warning);
        else
            OpenFileByType(path);
    }
}

void CReferenceApp::LoadCatalogues()
{
    scales_.Load(HomeFile(CScaleCatalog::kFileName));
    chords_.Load(HomeFile(CChordCatalog::kFileName));
    instruments_.Load(HomeFile(CInstrumentCatalog::kFileName));
    catalogueMenus_ = {scales_.BuildMenu(), chords_.BuildMenu(), instruments_.BuildMenu()};
    ReportMissingStrings();
}

// A stringed entry that counts more strings than it lists is drawn with the
// strings it lists; the user who edited the catalogue hears so once.
void CReferenceApp::ReportMissingStrings()
{
    std::string lines;
    for (int entry = 0; entry < instruments_.Count(); ++entry) {
        if (!instruments_.IsInstrument(entry) || instruments_.KindOf(entry) != kStringedInstrument)
            continue;
        CountedStrings strings = CountCatalogueStrings(instruments_.TextOf(entry));
        if (strings.listed < strings.declared)
            lines += "\n" + instruments_.NameOf(entry) + " counts " + std::to_string(strings.declared) +
                     " strings but lists " + std::to_string(strings.listed) + ": the listed ones are used.";
    }
    if (!lines.empty())
        MessageBox("The instrument catalogue " + HomeFile(CInstrumentCatalog::kFileName) + " lists fewer strings than it counts:" + lines,
                   MessageIcon::Warning);
}

CModelDoc* CReferenceApp::NewModel()
{
    auto* model = dynamic_cast<CModelDoc*>(Template(kModelTemplate)->OpenDocumentFile({}, !loadingLayout_));
    if (model)
        model->InitModel();
    return model;
}

MenuPtr CReferenceApp::ModelMenu() const
{
    return PreparedMenu(IDR_MODEL)->Clone(catalogueMenus_);
}

// The entry's kind is the position of its document's template; entries that
// name no instrument kind open nothing.
CDocument* CReferenceApp::OpenInstrument(int entryIndex)
{
    int kind = instruments_.IsInstrument(entryIndex) ? instruments_.KindOf(entryIndex) : kNoInstrument;
    if (kind < kStringedInstrument || kind > kWindInstrument) {
        MessageBox("This entry of the instrument catalogue names no instrument that can be opened.",
                   MessageIcon::Warning);
        return nullptr;
    }
    return Template(kind)->OpenDocumentFile({}, !loadingLayout_);
}

MenuPtr CReferenceApp::InstrumentMenu(int kind) const
{
    static const int kMenus[] = {IDR_STRINGED, IDR_KEYBOARD, IDR_SHEET, IDR_WIND};
    if (kind < kStringedInstrument || kind > kWindInstrument)
        return nullptr;
    return PreparedMenu(kMenus[kind - kStringedInstrument])->Clone(catalogueMenus_);
}

std::optional<std::string> CReferenceApp::CurrentProgramSummary() const
{
    PlaybackSettings* current = midiPlayer_ ? midiPlayer_->CurrentDocument() : nullptr;
    if (!current || !current->programSummary)
        return std::nullopt;
    return *current->programSummary;
}

std::string CReferenceApp::ProgramName(int program) const
{
    if (!midiPlayer_ || program < 0 || program >= static_cast<int>(midiPlayer_->programNames.size()))
        return {};
    return midiPlayer_->programNames[static_cast<std::size_t>(program)];
}

void CReferenceApp::RegisterTemplates()
{
    for (auto& docTemplate : MakeDocumentTemplates(*this))
        AddTemplate(std::move(docTemplate));
}

void CReferenceApp::PrepareMenus()
{
    for (int id : {IDR_MAINFRAME, IDR_GENERAL, IDR_MODEL, IDR_STRINGED, IDR_KEYBOARD, IDR_SHEET, IDR_WIND,
                   IDR_MIDI, IDR_AUDIO, IDR_KEYBOARD_INPUT, IDR_IDENTIFY, IDR_GENERAL_CONTEXT, IDR_MAIN_CONTEXT, IDR_MODEL_CONTEXT,
                   IDR_INSTRUMENT_CONTEXT})
        menus_[id] = LoadMenuResource(id);
    static const char* const catalogueTexts[] = {"&Scale", "&Chord", "&Instrument"};
    for (int id : {IDR_MODEL, IDR_STRINGED, IDR_KEYBOARD, IDR_SHEET, IDR_WIND})
        for (int i = 0; i < 3; ++i)
            menus_[id]->ReplaceWithPopup(3 + i, catalogueTexts[i], catalogueMenus_[i]);
    Template(kMidiTemplate)->SetMenu(menus_[IDR_MIDI]);
    Template(kAudioTemplate)->SetMenu(menus_[IDR_AUDIO]);
    Template(kAudioTemplate)->SetContextMenu(menus_[IDR_GENERAL_CONTEXT]);
    Template(kKeyboardInputTemplate)->SetMenu(menus_[IDR_KEYBOARD_INPUT]);
    Template(kIdentifyTemplate)->SetMenu(menus_[IDR_IDENTIFY]);
    Template(kGeneralTemplate)->SetMenu(menus_[IDR_GENERAL]);
    Template(kGeneralTemplate)->SetContextMenu(menus_[IDR_GENERAL_CONTEXT]);
    Template(kModelTemplate)->SetContextMenu(menus_[IDR_MODEL_CONTEXT]);
    for (int position : {kStringedTemplate, kWindTemplate}) {
        Template(position)->SetContextMenu(menus_[IDR_INSTRUMENT_CONTEXT]);
        Template(position)->SetAccelerators(InstrumentAccelerators());
    }
}

std::string CReferenceApp::CommandPrompt(int id) const
{
    return CommandPromptText(id);
}

MenuPtr CReferenceApp::PreparedMenu(int resourceId) const
{
    auto it = menus_.find(resourceId);
    return it == menus_.end() ? nullptr : it->second;
}

void CReferenceApp::RegisterCommands()
{
    On(ID_FILE_NEW, [this] { OnFileNew(); });
    On(ID_FILE_OPEN, [this] { OnFileOpen(); });
    On(ID_NEW_MODEL, [this] { NewModel(); });
    On(ID_FILE_CLOSE, [this] {
        if (CFrame* frame = ActiveFrame())
            frame->OnClose();
    }, [this](int, CommandState& state) { state.enabled = ActiveFrame() != nullptr; });
    On(ID_TUTORIAL, [this] { OpenFileByType(HomeFile("TUTORIAL.MVE")); });
    On(ID_APP_ABOUT, [this] { OnAbout(); });
    On(ID_APP_EXIT, [this] { mainFrame_->OnClose(); });
    On(ID_EXAMINE, [this] { OnExamine(); });
    OnRange(ID_FILE_MRU_FIRST, ID_FILE_MRU_FIRST + CRecentFileList::kCapacity - 1,
            [this](int id) { OnRecentFile(id - ID_FILE_MRU_FIRST); });
    On(ID_PLAY_AUDIO, [this] { OnAudioFile(true); });
    On(ID_LOAD_AUDIO, [this] { OnAudioFile(false); });
    On(ID_KEYBOARD_INPUT, [this] { OnKeyboardInput(); });
    On(ID_IDENTIFY, [this] { OnIdentify(); });
    On(ID_SOUND_SETTINGS, [this] {
        if (soundSetup_)
            soundSetup_->OnSoundSettings();
    });
    RegisterPracticeCommands();
    On(ID_NEW_WINDOW, [this] {
        if (CFrame* frame = ActiveFrame())
            OpenNewWindow(*frame);
    }, [this](int, CommandState& state) { state.enabled = OffersNewWindow(ActiveFrame()); });
}

// The practice commands wait for start-up to have made the player.
void CReferenceApp::RegisterPracticeCommands()
{
    auto query = [this](void (PracticeSounds::*ask)(CommandState&) const) {
        return [this, ask](int, CommandState& state) {
            state.enabled = practice_ != nullptr;
            if (practice_)
                (practice_.get()->*ask)(state);
        };
    };
    auto run = [this](void (PracticeSounds::*action)()) {
        return [this, action] {
            if (practice_)
                (practice_.get()->*action)();
        };
    };
    On(ID_SOUND_LOOP, run(&PracticeSounds::ToggleLoop), query(&PracticeSounds::QueryLoop));
    On(ID_START_TICKS, run(&PracticeSounds::StartTicks), query(&PracticeSounds::QueryStartTicks));
    On(ID_STOP_TICKS, run(&PracticeSounds::StopTicks), query(&PracticeSounds::QueryStopTicks));
    On(ID_SHOW_TICK, run(&PracticeSounds::ToggleShowTick), query(&PracticeSounds::QueryShowTick));
}

void CReferenceApp::OnRecentFile(int index)
{
    const std::vector<std::string>& paths = RecentFiles().Paths();
    if (index < 0 || index >= static_cast<int>(paths.size()))
        return;
    std::string path = paths[static_cast<size_t>(index)];
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        RecentFiles().Remove(index);
        MessageBox("The file " + path + " no longer exists.\nIt has been removed from the list of recent files.",
                   MessageIcon::Warning);
        return;
    }
    OpenFileByType(path);
}

void CReferenceApp::PreparePopup(CMenu& popup)
{
    CApplication::PreparePopup(popup);
    if (popup.Count() >= 2 && popup.At(0).kind == MenuItem::Kind::Command && popup.At(0).id == ID_TUTORIAL)
        FillRecentFiles(popup);
}

// The Documents popup: the tutorial, a separator, then the recent files.
void CReferenceApp::FillRecentFiles(CMenu& popup)
{
    const std::vector<std::string>& paths = RecentFiles().Paths();
    std::vector<std::string> texts;
    for (size_t i = 0; i < paths.size(); ++i) {
        std::string number = std::to_string(i + 1);
        number.insert(number.size() - 1, "&");
        texts.push_back(number + " " + paths[i]);
    }
    bool unchanged = popup.Count() == 2 + static_cast<int>(texts.size());
    for (size_t i = 0; unchanged && i < texts.size(); ++i)
        unchanged = popup.At(2 + static_cast<int>(i)).text == texts[i];
    if (unchanged)
        return;
    popup.Truncate(2);
    for (size_t i = 0; i < texts.size(); ++i)
        popup.AppendCommand(texts[i], ID_FILE_MRU_FIRST + static_cast<int>(i));
}

CDocument* CReferenceApp::ActivateOpenDocument(const std::string& path)
{
    CDocument* open = FindOpenDocument(path);
    if (CFrame* frame = open ? open->FirstFrame() : nullptr)
        frame->Activate();
    return open;
}

void CReferenceApp::OnFileNew()
{
    CDocument* document = Template(kGeneralTemplate)->OpenDocumentFile({}, true);
    if (auto* general = dynamic_cast<CGeneralDoc*>(document))
        general->AttachProfile({});
}

void CReferenceApp::OnFileOpen()
{
    FileDialogRequest request{true, "Open", "Morvix files (*.txt;*.mve)|*.txt;*.mve|All files (*.*)|*", {}};
    if (auto path = ports.prompts->ChooseFile(request))
        OpenFileByType(*path);
}

void CReferenceApp::OnAbout()
{
    DialogData about;
    about.resourceId = 100;
    about.caption = "About Morvix Music Reference";
    about.hasCancel = false;
    about.Add(1000, DialogControl::Kind::Label, "Morvix Music Reference");
    about.Add(1003, DialogControl::Kind::Label, std::string("Version ") + kMorvixVersion);
    about.Add(1001, DialogControl::Kind::Label,
              "A reference for scales and chords on the piano, the staff, fretted strings and the recorder.");
    about.Add(1002, DialogControl::Kind::Label, "Pelorin Enterprises");
    ports.prompts->RunDialog(about);
}

void CReferenceApp::OnExamine()
{
    FileDialogRequest request{true, "Examine", "Midi files (*.mid)|*.mid|All files (*.*)|*", {}};
    if (auto path = ports.prompts->ChooseFile(request))
        OpenMidiListing(*path);
}

CDocument* CReferenceApp::OpenMidiListing(const std::string& given)
{
    std::string path = AbsolutePath(given);
    if (CDocument* open = ActivateOpenDocument(path))
        return open;
    return Template(kMidiTemplate)->OpenDocumentFile(path, !loadingLayout_);
}

void CReferenceApp::OnAudioFile(bool play)
{
    FileDialogRequest request{true, play ? "Play" : "Load",
                              "Audio files (*.mid; *.wav; *.mp3)|*.mid;*.wav;*.mp3|All files (*.*)|*", {}};
    auto path = ports.prompts->ChooseFile(request);
    if (!path)
        return;
    auto* audio = dynamic_cast<CAudioDoc*>(Template(kAudioTemplate)->OpenDocumentFile(*path, true));
    if (audio && play)
        audio->Play();
}

void CReferenceApp::ShowPlayedNote(int note, bool on)
{
    for (CDocument* document : AllDocuments())
        if (auto* input = dynamic_cast<INoteInput*>(document); input && !document->IsClosing())
            input->NotePlayed(note, on);
}

void CReferenceApp::OnKeyboardInput()
{
    for (CFrame* frame : Frames())
        if (frame->Document() && frame->Document()->kind == 8)
            return;
    Template(kKeyboardInputTemplate)->OpenDocumentFile({}, true);
}

// One Identify window: the command brings an open one forward.
void CReferenceApp::OnIdentify()
{
    for (CFrame* frame : Frames())
        if (frame->Document() && frame->Document()->kind == CIdentifyDoc::kKind) {
            frame->Activate();
            return;
        }
    auto* identify = dynamic_cast<CIdentifyDoc*>(Template(kIdentifyTemplate)->OpenDocumentFile({}, true));
    // Opened while a file plays, it names what sounds from now on.
    if (identify && playbackBridge_ && playbackBridge_->FilePlaying()) {
        identify->PlaybackBegan();
        identify->NotesSounding(playbackBridge_->FileNotesSounding());
    }
}

void CReferenceApp::ShowInPrimaryModel(const std::string& key, int scale, int chord)
{
    CModelDoc* model = models_.Primary();
    if (!model)
        model = NewModel();
    if (model)
        model->ShowChoice(key, scale, chord);
}

// The editor opens 8 MB of text in under half a second and scrolls it
// smoothly; larger files are offered to the desktop's own editor.
constexpr std::uintmax_t kLargestEditedFile = 8 * 1024 * 1024;

static std::string LowerExtension(const std::string& path)
{
    auto dot = path.find_last_of('.');
    auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The document keeps the whole path: a layout or profile that names it finds
// it again from any folder.
CDocument* CReferenceApp::OpenFileByType(const std::string& given)
{
    std::string path = AbsolutePath(given);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return nullptr;
    if (CDocument* open = ActivateOpenDocument(path))
        return open;
    std::string extension = LowerExtension(path);
    // A MIDI file opens as its listing, as Examine shows it: that is what
    // the recent-file list, a dropped file or the command line means by it.
    if (extension == "mid")
        return Template(kMidiTemplate)->OpenDocumentFile(path, true);
    if (extension == "wav" || extension == "mp3" || extension == "wma")
        return Template(kAudioTemplate)->OpenDocumentFile(path, true);
    if (std::filesystem::file_size(path, error) > kLargestEditedFile)
        return OpenLargeFile(path);
    CDocument* document = Template(kGeneralTemplate)->OpenDocumentFile(path, !loadingLayout_);
    auto* general = dynamic_cast<CGeneralDoc*>(document);
    if (general && general->section.empty())
        general->AttachProfile(path);
    return document;
}

CDocument* CReferenceApp::OpenLargeFile(const std::string& path)
{
    int answer = MessageBox("The file " + path + " is too large for this editor.\n\n" +
                                "Would you like to open the file with the desktop's text editor?\n",
                            MessageIcon::Question, MessageButtons::OkCancel);
    if (answer == IDOK && !ports.launcher->OpenInTextEditor(path))
        MessageBox("The desktop's text editor could not be started for " + path + ".", MessageIcon::Warning);
    return nullptr;
}

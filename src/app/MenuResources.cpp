#include "app/MenuResources.h"

#include <initializer_list>
#include <utility>

#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "harmony/ModelCommands.h"
#include "instruments/InstrumCommands.h"
#include "midi/AudioCommands.h"
#include "instruments/IdentifyDoc.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/MidiCommands.h"

namespace {

MenuPtr DocumentsPopup()
{
    auto documents = CMenu::Create();
    documents->AppendCommand("&Tutorial", ID_TUTORIAL);
    documents->AppendSeparator();
    return documents;
}

void AppendPrintAndExit(CMenu& file)
{
    file.AppendSeparator();
    file.AppendCommand("&Print...\tCtrl+P", ID_FILE_PRINT);
    file.AppendCommand("Print Pre&view", ID_FILE_PRINT_PREVIEW);
    file.AppendCommand("P&rint Setup...", ID_FILE_PRINT_SETUP);
    file.AppendSeparator();
    file.AppendCommand("E&xit\tAlt+F4", ID_APP_EXIT);
}

// The seventeen keys, then the window that names the notes played.
MenuPtr KeyPopup()
{
    MenuPtr keys = BuildKeyMenu();
    keys->AppendSeparator();
    keys->AppendCommand("&Identify...", ID_IDENTIFY);
    return keys;
}

// Instrument windows also export their drawing as a picture.
MenuPtr FilePopup(bool withDocumentCommands, bool withExport = false)
{
    auto file = CMenu::Create();
    file->AppendCommand("&New\tCtrl+N", ID_FILE_NEW);
    file->AppendCommand("New &Model", ID_NEW_MODEL);
    file->AppendCommand("&Open...\tCtrl+O", ID_FILE_OPEN);
    if (withDocumentCommands) {
        file->AppendCommand("&Close\tCtrl+F4", ID_FILE_CLOSE);
        file->AppendCommand("&Save\tCtrl+S", ID_FILE_SAVE);
        file->AppendCommand("Save &As...", ID_FILE_SAVE_AS);
    }
    if (withExport)
        file->AppendCommand("&Export Image...", ID_EXPORT_IMAGE);
    file->AppendSeparator();
    file->AppendPopup("&Documents", DocumentsPopup());
    file->AppendCommand("Load...", ID_LOAD_AUDIO);
    file->AppendCommand("Play...", ID_PLAY_AUDIO);
    file->AppendCommand("Examine...", ID_EXAMINE);
    AppendPrintAndExit(*file);
    return file;
}

MenuPtr EditPopup(bool withFind)
{
    auto edit = CMenu::Create();
    edit->AppendCommand("&Undo\tCtrl+Z", ID_EDIT_UNDO);
    edit->AppendSeparator();
    edit->AppendCommand("Cu&t\tCtrl+X", ID_EDIT_CUT);
    edit->AppendCommand("&Copy\tCtrl+C", ID_EDIT_COPY);
    edit->AppendCommand("&Paste\tCtrl+V", ID_EDIT_PASTE);
    edit->AppendSeparator();
    edit->AppendCommand("Select &All\tCtrl+A", ID_EDIT_SELECT_ALL);
    if (withFind) {
        edit->AppendSeparator();
        edit->AppendCommand("&Find...\tCtrl+F", ID_EDIT_FIND);
        edit->AppendCommand("&Replace...\tCtrl+R", ID_EDIT_REPLACE);
    }
    return edit;
}

MenuPtr TilePopup()
{
    auto tile = CMenu::Create();
    tile->AppendCommand("&Horizontal", ID_WINDOW_TILE_HORZ);
    tile->AppendCommand("&Vertical", ID_WINDOW_TILE_VERT);
    return tile;
}

MenuPtr WindowPopup()
{
    auto window = CMenu::Create();
    window->AppendCommand("New &Window", ID_NEW_WINDOW);
    window->AppendCommand("&Cascade", ID_WINDOW_CASCADE);
    window->AppendPopup("&Tile", TilePopup());
    window->AppendCommand("&Arrange Icons", ID_WINDOW_ARRANGE);
    window->AppendSeparator();
    window->AppendCommand("&Next Window\tCtrl+Tab", ID_NEXT_WINDOW);
    window->AppendCommand("&Previous Window\tCtrl+Shft+Tab", ID_PREVIOUS_WINDOW);
    window->AppendCommand("Next &Open Window\tCtrl+F6", ID_WINDOW_NEXT_CHILD);
    window->AppendCommand("Previous Op&en Window\tCtrl+Shift+F6", ID_WINDOW_PREVIOUS_CHILD);
    return window;
}

MenuPtr ScrollBarsPopup()
{
    auto bars = CMenu::Create();
    bars->AppendCommand("None", ID_SCROLL_NONE);
    bars->AppendCommand("Verticle", ID_SCROLL_VERTICAL);
    bars->AppendCommand("Horizontal", ID_SCROLL_HORIZONTAL);
    bars->AppendCommand("Both", ID_SCROLL_BOTH);
    return bars;
}

MenuPtr ViewPopup(bool withFont, bool withNotation)
{
    auto view = CMenu::Create();
    view->AppendCommand("&Toolbar", ID_VIEW_TOOLBAR);
    view->AppendCommand("&Status Bar", ID_VIEW_STATUS_BAR);
    view->AppendSeparator();
    view->AppendCommand("Sound Loop", ID_SOUND_LOOP);
    view->AppendCommand("Keyboard", ID_KEYBOARD_INPUT);
    view->AppendCommand("Sound Settings...", ID_SOUND_SETTINGS);
    view->AppendSeparator();
    view->AppendCommand("Start Ticks", ID_START_TICKS);
    view->AppendCommand("Show Tick", ID_SHOW_TICK);
    view->AppendCommand("Stop Ticks", ID_STOP_TICKS);
    if (withFont) {
        view->AppendSeparator();
        view->AppendCommand("Font...", ID_VIEW_FONT);
        if (withNotation)
            view->AppendCommand("&Notation...", ID_NOTATION);
        view->AppendPopup("Sc&roll Bars", ScrollBarsPopup());
    }
    return view;
}

MenuPtr HelpPopup()
{
    auto help = CMenu::Create();
    help->AppendCommand("&Index\tF1", ID_HELP_INDEX);
    help->AppendCommand("&Finder", ID_HELP_FINDER);
    help->AppendCommand("&Context\tShft+F1", ID_CONTEXT_HELP);
    help->AppendSeparator();
    help->AppendCommand("&Using Help", ID_HELP_USING);
    help->AppendSeparator();
    help->AppendCommand("&About Morvix...", ID_APP_ABOUT);
    return help;
}

// A menu bar of titled popups.
MenuPtr Bar(std::initializer_list<std::pair<const char*, MenuPtr>> popups)
{
    auto menu = CMenu::Create();
    for (const auto& [title, popup] : popups)
        menu->AppendPopup(title, popup);
    return menu;
}

MenuPtr MainMenu()
{
    return Bar({{"&File", FilePopup(false)}, {"&View", ViewPopup(false, false)}, {"&Window", WindowPopup()},
                {"&Help", HelpPopup()}});
}

MenuPtr GeneralMenu()
{
    return Bar({{"&File", FilePopup(true)}, {"&Edit", EditPopup(true)}, {"&View", ViewPopup(true, false)},
                {"&Window", WindowPopup()}, {"&Help", HelpPopup()}});
}

// Positions 3, 4 and 5 are placeholders that start-up replaces by the
// shared Scale, Chord and Instrument popups; "&Frame" is replaced by each
// model's list of instruments.
MenuPtr ModelMenu()
{
    return Bar({{"&File", FilePopup(true)}, {"&Edit", EditPopup(false)}, {"&Key", KeyPopup()},
                {"&Scale", CMenu::Create()}, {"&Chord", CMenu::Create()}, {"&Instrument", CMenu::Create()},
                {kFrameMenuText, CMenu::Create()}, {"&Window", WindowPopup()}, {"&View", ViewPopup(true, true)},
                {"&Help", HelpPopup()}});
}

MenuPtr InstrumentEditPopup()
{
    auto edit = CMenu::Create();
    edit->AppendCommand("&Copy All\tCtrl+C", ID_EDIT_COPY);
    edit->AppendCommand("&Vignette\tCtrl+W", ID_VIGNETTE);
    return edit;
}

MenuPtr InstrumentViewPopup()
{
    MenuPtr view = ViewPopup(false, false);
    view->AppendSeparator();
    view->AppendCommand("&Font...", ID_VIEW_FONT);
    view->AppendCommand("&Colors...", ID_COLORS);
    view->AppendCommand("&Details...", ID_DETAILS);
    view->AppendCommand("&Notation...", ID_NOTATION);
    view->AppendCommand("Channel...", ID_CHANNEL);
    view->AppendPopup("Sc&roll Bars", ScrollBarsPopup());
    return view;
}

// As the model menu, with the instrument's own Edit and View popups; the
// "&Frame" item at position 6 becomes the model's list of instruments.
MenuPtr InstrumentMenu()
{
    return Bar({{"&File", FilePopup(true, true)}, {"&Edit", InstrumentEditPopup()}, {"&Key", KeyPopup()},
                {"&Scale", CMenu::Create()}, {"&Chord", CMenu::Create()}, {"&Instrument", CMenu::Create()},
                {kFrameMenuText, CMenu::Create()}, {"&Window", WindowPopup()}, {"&View", InstrumentViewPopup()},
                {"&Help", HelpPopup()}});
}

MenuPtr MidiMenu()
{
    auto midi = CMenu::Create();
    midi->AppendCommand("Play", ID_MIDI_PLAY);
    midi->AppendCommand("Stop", ID_MIDI_STOP);
    midi->AppendCommand("Rewind", ID_MIDI_REWIND);
    midi->AppendPopup("Rate", BuildRateMenu());
    midi->AppendCommand("Queue", ID_MIDI_QUEUE);
    return Bar({{"&File", FilePopup(true)}, {"&Edit", EditPopup(false)}, {"&Midi", midi},
                {"&View", ViewPopup(true, false)}, {"&Window", WindowPopup()}, {"&Help", HelpPopup()}});
}

MenuPtr AudioMenu()
{
    auto player = CMenu::Create();
    player->AppendCommand("Play", ID_MIDI_PLAY);
    player->AppendCommand("Pause", ID_AUDIO_PAUSE);
    player->AppendCommand("Resume", ID_AUDIO_RESUME);
    player->AppendCommand("Stop", ID_MIDI_STOP);
    player->AppendCommand("Rewind", ID_MIDI_REWIND);
    player->AppendCommand("Loop", ID_AUDIO_LOOP);
    return Bar({{"&File", FilePopup(true)}, {"&Edit", EditPopup(false)}, {"&Player", player},
                {"&View", ViewPopup(true, false)}, {"&Window", WindowPopup()}, {"&Help", HelpPopup()}});
}

MenuPtr IdentifyMenu()
{
    auto notes = CMenu::Create();
    notes->AppendCommand("&Type Names...", ID_IDENTIFY_TYPE);
    notes->AppendCommand("&Clear", ID_IDENTIFY_CLEAR);
    notes->AppendSeparator();
    notes->AppendCommand("&Show in Model\tEnter", ID_IDENTIFY_SHOW);
    return Bar({{"&File", FilePopup(false)}, {"&Notes", notes}, {"&View", ViewPopup(false, false)},
                {"&Window", WindowPopup()}, {"&Help", HelpPopup()}});
}

MenuPtr KeyboardInputMenu()
{
    auto playback = CMenu::Create();
    playback->AppendCommand("Record", ID_RECORDER_RECORD);
    playback->AppendCommand("Play", ID_RECORDER_PLAY);
    playback->AppendCommand("Stop", ID_RECORDER_STOP);
    playback->AppendCommand("Rewind", ID_RECORDER_REWIND);
    playback->AppendCommand("Pause", ID_RECORDER_PAUSE);
    playback->AppendCommand("Loop", ID_RECORDER_LOOP);
    playback->AppendCommand("Parse", ID_RECORDER_PARSE);
    MenuPtr view = ViewPopup(false, false);
    view->AppendSeparator();
    view->AppendCommand("&Details...", ID_DETAILS);
    return Bar({{"&File", FilePopup(true)}, {"&Playback", playback}, {"&View", view},
                {"&Window", WindowPopup()}, {"&Help", HelpPopup()}});
}

MenuPtr Popup(MenuPtr items)
{
    auto menu = CMenu::Create();
    menu->AppendPopup("", std::move(items));
    return menu;
}

// The editing items that start a view's context menu.
void AppendEditItems(CMenu& m, const char* clearText)
{
    m.AppendCommand("&Undo\tCtrl+Z", ID_EDIT_UNDO);
    m.AppendSeparator();
    m.AppendCommand("Cu&t\tCtrl+X", ID_EDIT_CUT);
    m.AppendCommand("&Copy\tCtrl+C", ID_EDIT_COPY);
    m.AppendCommand("&Paste\tCtrl+V", ID_EDIT_PASTE);
    m.AppendCommand(clearText, ID_EDIT_CLEAR);
    m.AppendSeparator();
    m.AppendCommand("Select &All\tCtrl+A", ID_EDIT_SELECT_ALL);
    m.AppendSeparator();
}

// The document items that end a view's context menu.
void AppendDocumentItems(CMenu& m)
{
    m.AppendCommand("&Save\tCtrl+S", ID_FILE_SAVE);
    m.AppendCommand("Save As...", ID_FILE_SAVE_AS);
    m.AppendSeparator();
    m.AppendCommand("&What's this?...", ID_CONTEXT_HELP);
    m.AppendSeparator();
    m.AppendCommand("Cl&ose\tCtrl+F4", ID_FILE_CLOSE);
}

MenuPtr GeneralContextMenu()
{
    auto m = CMenu::Create();
    AppendEditItems(*m, "Cl&ear\tDel");
    m->AppendCommand("&Find...\tCtrl+F", ID_EDIT_FIND);
    m->AppendCommand("&Replace...\tCtrl+R", ID_EDIT_REPLACE);
    m->AppendSeparator();
    m->AppendCommand("Fo&nt...", ID_VIEW_FONT);  // F is Find's
    m->AppendSeparator();
    AppendDocumentItems(*m);
    return Popup(m);
}

MenuPtr MainContextMenu()
{
    auto m = CMenu::Create();
    m->AppendCommand("&Cascade", ID_WINDOW_CASCADE);
    m->AppendPopup("&Tile", TilePopup());
    m->AppendCommand("Arrange &Icons", ID_WINDOW_ARRANGE);
    m->AppendSeparator();
    m->AppendCommand("N&ew\tCtrl+N", ID_FILE_NEW);
    m->AppendCommand("&Open...\tCtrl+O", ID_FILE_OPEN);
    m->AppendSeparator();
    m->AppendCommand("&Next Window\tCtrl+Tab", ID_NEXT_WINDOW);
    m->AppendCommand("&Previous Window\tCtrl+Shft+Tab", ID_PREVIOUS_WINDOW);
    m->AppendSeparator();
    m->AppendCommand("&What's this?...", ID_CONTEXT_HELP);
    m->AppendSeparator();
    m->AppendCommand("E&xit\tAlt+F4", ID_APP_EXIT);
    return Popup(m);
}

MenuPtr ModelContextMenu()
{
    auto m = CMenu::Create();
    AppendEditItems(*m, "&Delete\tDel");
    m->AppendCommand("&Font...", ID_VIEW_FONT);
    m->AppendCommand("&Notation...", ID_NOTATION);
    m->AppendSeparator();
    AppendDocumentItems(*m);
    return Popup(m);
}

MenuPtr InstrumentContextMenu()
{
    auto m = CMenu::Create();
    m->AppendCommand("&Copy All\tCtrl+C", ID_EDIT_COPY);
    m->AppendCommand("&Vignette\tCtrl+W", ID_VIGNETTE);
    m->AppendSeparator();
    m->AppendCommand("&Font...", ID_VIEW_FONT);
    m->AppendCommand("Co&lors...", ID_COLORS);  // C is Copy All's
    m->AppendCommand("&Details...", ID_DETAILS);
    m->AppendCommand("&Notation...", ID_NOTATION);
    m->AppendCommand("Channel...", ID_CHANNEL);
    m->AppendSeparator();
    m->AppendCommand("&Save\tCtrl+S", ID_FILE_SAVE);
    m->AppendCommand("Save &As...", ID_FILE_SAVE_AS);
    m->AppendSeparator();
    m->AppendCommand("&What's this?...", ID_CONTEXT_HELP);
    m->AppendSeparator();
    m->AppendCommand("Cl&ose\tCtrl+F4", ID_FILE_CLOSE);
    auto menu = CMenu::Create();
    menu->AppendPopup("InstrumView", m);
    return menu;
}

} // namespace

AcceleratorTable InstrumentAccelerators()
{
    return {{"Ctrl+Shift+C", ID_CYCLE_CHORDSET}};
}

MenuPtr LoadMenuResource(int id)
{
    switch (id) {
    case IDR_MAINFRAME: return MainMenu();
    case IDR_GENERAL: return GeneralMenu();
    case IDR_MODEL: return ModelMenu();
    case IDR_STRINGED:
    case IDR_KEYBOARD:
    case IDR_SHEET:
    case IDR_WIND: return InstrumentMenu();
    case IDR_MIDI: return MidiMenu();
    case IDR_AUDIO: return AudioMenu();
    case IDR_KEYBOARD_INPUT: return KeyboardInputMenu();
    case IDR_IDENTIFY: return IdentifyMenu();
    case IDR_GENERAL_CONTEXT: return GeneralContextMenu();
    case IDR_MAIN_CONTEXT: return MainContextMenu();
    case IDR_MODEL_CONTEXT: return ModelContextMenu();
    case IDR_INSTRUMENT_CONTEXT: return InstrumentContextMenu();
    default: return nullptr;
    }
}

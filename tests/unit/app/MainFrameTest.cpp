#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/AppCommands.h"
#include "app/MainFrame.h"
#include "app/WindowPos.h"
#include "framework/CommandIds.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "framework/View.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelRoster.h"

using MainFrameTest = AppFixture;

TEST(WindowPos, NeedsExactlyTenNumbers)
{
    WindowPlacement placement;
    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,300", placement));
    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,300,400,5", placement));
    EXPECT_FALSE(ParseWindowPos("0,1,-1,-1,-1,-1,10,20,300,x", placement));
    ASSERT_TRUE(ParseWindowPos("2,3,-1,-1,-8,-8,10,20,300,400", placement));
    EXPECT_EQ(placement.flags, 2u);
    EXPECT_EQ(placement.showCmd, 3u);
    EXPECT_EQ(placement.normal, (Rect{10, 20, 300, 400}));
    EXPECT_EQ(FormatWindowPos(placement), "2,3,-1,-1,-8,-8,10,20,300,400");
}

TEST_F(MainFrameTest, MaximizedWindowIsStoredWithFlagTwoAndComesBackMaximized)
{
    ASSERT_TRUE(Start());
    auto& window = ports->Windows().MainWindow();
    WindowPlacement placement = window.GetPlacement();
    placement.showCmd = SW_SHOWMAXIMIZED;
    window.SetPlacement(placement);
    Restart();
    std::string stored = ports->settings->GetString("Settings", "WindowPos", "");
    EXPECT_EQ(stored.rfind("2,3,", 0), 0u) << stored;
    EXPECT_TRUE(ports->Windows().MainWindow().IsMaximized());
}

TEST_F(MainFrameTest, NineNumbersInWindowPosAreIgnored)
{
    ports->settings->WriteString("Settings", "WindowPos", "0,3,-1,-1,-1,-1,10,20,300");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(ports->Windows().MainWindow().IsMaximized());
}

TEST_F(MainFrameTest, KeepingUnsavedTextAtExitKeepsTheProgramRunning)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(57600);
    ITextControl* text = app->ActiveFrame()->Window()->TextControl();
    text->SetText("notes worth keeping");
    text->SetModified(true);
    Answer(IDCANCEL);
    app->RouteCommand(57665);
    EXPECT_FALSE(ports->Windows().MainWindow().QuitRequested());
    EXPECT_EQ(app->ActiveFrame()->Window()->TextControl()->GetText(), "notes worth keeping");
    Answer(IDNO);
    app->RouteCommand(57665);
    EXPECT_TRUE(ports->Windows().MainWindow().QuitRequested());
}

TEST_F(MainFrameTest, ToolBarAndStatusBarToggleWithCheckMarks)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(app->QueryCommand(59392).checked);
    app->RouteCommand(59392);
    EXPECT_FALSE(app->QueryCommand(59392).checked);
    EXPECT_FALSE(ports->Windows().MainWindow().IsControlBarVisible(59392));
    EXPECT_TRUE(app->QueryCommand(59393).checked);
}

TEST_F(MainFrameTest, ContextMenusShowTheItemsOfTheirResource)
{
    ASSERT_TRUE(Start());
    MenuPtr model = app->ActiveFrame()->View()->ContextMenu();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->At(0).text, "&Undo\tCtrl+Z");
    EXPECT_NE(model->FindByText("&Notation..."), -1);
    MenuPtr main = app->MainFrame().ContextMenu();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->At(0).text, "&Cascade");
    app->RouteCommand(57600);
    MenuPtr text = app->ActiveFrame()->View()->ContextMenu();
    ASSERT_NE(text, nullptr);
    EXPECT_NE(text->FindByText("&Replace...\tCtrl+R"), -1);
}

TEST_F(MainFrameTest, NextAndPreviousWindowCycleThePrimaryModelsInstrumentsAndWrap)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(32882);  // no instruments: nothing happens
    EXPECT_EQ(app->ActiveFrame()->Document()->kind, 1);
    for (int entry : {2, 79, 37})
        app->RouteCommand(2368 + entry);
    const auto& instruments = app->Models().Primary()->Instruments();
    ASSERT_EQ(instruments.size(), 3u);
    std::vector<CDocument*> visited;
    for (int i = 0; i < 4; ++i) {
        app->RouteCommand(32882);
        visited.push_back(app->ActiveFrame()->Document());
    }
    EXPECT_EQ(visited, (std::vector<CDocument*>{instruments[1], instruments[2], instruments[0], instruments[1]}));
    app->RouteCommand(32883);
    app->RouteCommand(32883);
    EXPECT_EQ(app->ActiveFrame()->Document(), instruments[2]);
}

TEST_F(MainFrameTest, HelpCommandsOpenTheUserGuideAndSayWhenItCannotBeOpened)
{
    ASSERT_TRUE(Start());
    TakeOutput();
    // No guide among the shipped files: a message, and nothing handed on.
    app->RouteCommand(ID_HELP_INDEX);
    std::string guide = (home / "help" / "index.html").string();
    EXPECT_EQ(TakeOutput(), "message: The user guide " + guide + " could not be opened.\n");
    EXPECT_TRUE(ports->launcher.Log().empty());

    std::filesystem::create_directories(home / "help");
    WriteFile("help/index.html", "<html></html>");
    for (int id : {ID_HELP_INDEX, ID_HELP_FINDER, ID_HELP_USING, ID_HELP, ID_DEFAULT_HELP})
        app->RouteCommand(id);
    EXPECT_EQ(ports->launcher.Log(), std::vector<std::string>(5, "help " + guide));
    EXPECT_EQ(TakeOutput(), "");
    // The Tutorial stays a document of its own, not the help.
    EXPECT_EQ(app->Frames().size(), 1u);

    ports->launcher.SetSucceeds(false);
    app->RouteCommand(ID_HELP);
    EXPECT_EQ(TakeOutput(), "message: The user guide " + guide + " could not be opened.\n");
}

namespace {

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(MainFrameTest, ExitNamesAFileItCannotWriteAndTheUserMayGoBackOrExitWithStatusOne)
{
    ASSERT_TRUE(Start());
    // A folder where the layout goes; a folder where the history's temporary file goes.
    std::filesystem::create_directories(home / "LAYOUT.USE" / "in the way");
    WriteFile("HISTORY.USE", "; the previous history\nC major\n");
    std::filesystem::create_directories(home / "HISTORY.USE.tmp" / "in the way");
    TakeOutput();

    Answer(IDCANCEL);
    app->RouteCommand(ID_APP_EXIT);
    std::string said = TakeOutput();
    EXPECT_NE(said.find("message: The window layout could not be saved to " + (home / "LAYOUT.USE").string() +
                        ": Is a directory."),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("The model history could not be saved to " + (home / "HISTORY.USE").string() +
                        ": Is a directory."),
              std::string::npos)
        << said;
    EXPECT_FALSE(ports->Windows().MainWindow().QuitRequested()) << "Cancel goes back to the program";
    EXPECT_EQ(app->Frames().size(), 1u);

    Answer(IDOK);
    app->RouteCommand(ID_APP_EXIT);
    EXPECT_TRUE(ports->Windows().MainWindow().QuitRequested());
    EXPECT_EQ(ports->Windows().MainWindow().ExitCode(), 1);
    EXPECT_EQ(FileText(home / "HISTORY.USE"), "; the previous history\nC major\n") << "the previous file stays whole";
}

TEST_F(MainFrameTest, CancelAtAnyExitQuestionLeavesEveryWindowOpenAndTheLayoutUntouched)
{
    ASSERT_TRUE(Start());
    WriteFile("LAYOUT.USE", "; the previous layout\n");
    std::vector<ITextControl*> texts;
    for (int i = 0; i < 2; ++i) {
        app->RouteCommand(ID_FILE_NEW);
        texts.push_back(app->ActiveFrame()->Window()->TextControl());
        texts.back()->SetText("unsaved notes");
        texts.back()->SetModified(true);
    }
    OpenInstrument<CDocument>("Guitar");
    // The model is asked first (it has nothing to ask), then each text window.
    Model()->FirstFrame()->Activate();
    std::size_t open = app->Frames().size();
    Answer(IDNO);
    Answer(IDCANCEL);
    app->RouteCommand(ID_APP_EXIT);
    EXPECT_EQ(app->Frames().size(), open);
    EXPECT_EQ(Model()->Instruments().size(), 1u);
    EXPECT_EQ(FileText(home / "LAYOUT.USE"), "; the previous layout\n");
    EXPECT_TRUE(texts[0]->IsModified() && texts[1]->IsModified()) << "the next exit asks both again";
    EXPECT_FALSE(ports->Windows().MainWindow().QuitRequested());

    Answer(IDNO);
    Answer(IDNO);
    app->RouteCommand(ID_APP_EXIT);
    EXPECT_TRUE(ports->Windows().MainWindow().QuitRequested());
    EXPECT_EQ(ports->Windows().MainWindow().ExitCode(), 0);
    EXPECT_NE(FileText(home / "LAYOUT.USE").find("\nGuitar 2 "), std::string::npos);
}

// The window manager's close reaches the main frame outside command routing,
// where closed frames are freed at once.
TEST_F(MainFrameTest, TheWindowManagersCloseWithTheModelActiveAboveItsInstrumentsClosesEverything)
{
    ASSERT_TRUE(Start());
    OpenInstrument<CDocument>("Guitar");
    OpenInstrument<CDocument>("Soprano-Recorder");
    Model()->FirstFrame()->Activate();
    app->MainFrame().OnClose();
    EXPECT_TRUE(ports->Windows().MainWindow().QuitRequested());
    EXPECT_TRUE(app->Frames().empty());
    std::string layout = FileText(home / "LAYOUT.USE");
    EXPECT_NE(layout.find("\nSoprano-Recorder 5 "), std::string::npos) << layout;
}

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "../midi/SmfBuilder.h"
#include "AppFixture.h"
#include "app/StartupLayout.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelRoster.h"
#include "instruments/StringedDoc.h"
#include "text/TextFile.h"
#include "framework/CommandIds.h"

namespace {

LayoutEntry Entry(int kind, int serial, int owner, const std::string& name)
{
    LayoutEntry entry;
    entry.kind = kind;
    entry.serial = serial;
    entry.ownerSerial = owner;
    entry.catalogueIndex = kind >= 2 && kind <= 5 ? 7 : -1;
    entry.name = name;
    entry.state = " _Generic state-of-" + name;
    return entry;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(StartupLayout, TextFilesAndMidiListingsComeFirstThenEachModelWithItsInstruments)
{
    CStartupLayout layout;
    layout.Reset();
    layout.Add(Entry(1, 2000, 0, "Model"));
    layout.Add(Entry(2, 2001, 2000, "Guitar"));
    layout.Add(Entry(1, 2002, 0, "Model"));
    layout.Add(Entry(0, 2003, 0, "/notes.txt"));
    layout.Add(Entry(3, 2004, 2002, "Piano"));
    layout.Add(Entry(5, 2005, 2000, "Recorder"));
    layout.Add(Entry(2, 2006, 2002, "Bass"));
    layout.Add(Entry(6, 2007, 0, "/song.mid"));
    layout.Add(Entry(7, 2008, 0, "/sound.wav"));  // audio windows are not kept
    EXPECT_EQ(layout.WritingOrder(), (std::vector<int>{3, 7, 0, 1, 5, 2, 4, 6}));

    std::ostringstream out;
    layout.Write(out);
    std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], ";;; -*- File: Layout.use; Mode: text; Version: 2.1 beta -*- ;;;");
    EXPECT_EQ(lines[5], "; Generated on application exit for ordered document startup.");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "/notes.txt 0 -1 3  _Generic state-of-/notes.txt");
    EXPECT_EQ(lines[9], "/song.mid 6 -1 7  _Generic state-of-/song.mid");
    EXPECT_EQ(lines[11], "Guitar 2 7 1  _Generic state-of-Guitar");
}

TEST(StartupLayout, ReadingSkipsCommentsTakesTheFirstWordAsNameAndTheRestAsState)
{
    std::istringstream in(";;; header\n;\n\n indented 0 -1 0 x\n"
                          "My Notes.txt 0 -1 4 _Generic 0 1\r\n"
                          "Model 1 -1 0 _Generic 1 _Model e C major $ none $ -1\n");
    CStartupLayout layout;
    layout.Read(in);
    ASSERT_EQ(layout.Entries().size(), 2u);
    const LayoutEntry& blank = layout.Entries()[0];
    EXPECT_EQ(blank.name, "My");           // a section with a blank is not reopened
    EXPECT_EQ(blank.kind, 0);              // "Notes.txt" is skipped as non-digits
    EXPECT_EQ(blank.catalogueIndex, -1);
    EXPECT_EQ(blank.order, 4);
    const LayoutEntry& model = layout.Entries()[1];
    EXPECT_EQ(model.name, "Model");
    EXPECT_EQ(model.state, " _Generic 1 _Model e C major $ none $ -1");

    std::istringstream comments(";;; only\n; comments\n\n");
    layout.Read(comments);
    EXPECT_TRUE(layout.Entries().empty());

    std::string many;
    for (int i = 0; i < 200; ++i)
        many += "n 0 -1 " + std::to_string(i) + " s\n";
    std::istringstream full(many);
    layout.Read(full);
    EXPECT_EQ(layout.Entries().size(), static_cast<size_t>(CStartupLayout::kCapacity));
}

TEST(StartupLayout, ANameWithBlanksIsWrittenQuotedAndReadsBackWhole)
{
    CStartupLayout layout;
    layout.Reset();
    for (const char* name : {"/home/u/My Notes.txt", "/tmp/say \"hi\" \\ there.txt", "/plain.txt"})
        layout.Add(Entry(0, 2000, 0, name));
    std::ostringstream out;
    layout.Write(out);
    std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[8], "\"/home/u/My Notes.txt\" 0 -1 0  _Generic state-of-/home/u/My Notes.txt");
    EXPECT_EQ(lines[9].rfind("\"/tmp/say \\\"hi\\\" \\\\ there.txt\" 0 -1 1 ", 0), 0u) << lines[9];
    EXPECT_EQ(lines[10].rfind("/plain.txt 0 -1 2 ", 0), 0u) << lines[10];
    std::istringstream in(out.str());
    CStartupLayout reread;
    reread.Read(in);
    ASSERT_EQ(reread.Entries().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reread.Entries()[i].name, layout.Entries()[i].name);
        EXPECT_EQ(reread.Entries()[i].state, layout.Entries()[i].state);
        EXPECT_EQ(reread.Entries()[i].order, static_cast<int>(i));
    }
}

TEST(StartupLayout, TheTableTakes128EntriesAndTheFileHoldsNoMore)
{
    CStartupLayout layout;
    layout.Reset();
    for (int i = 0; i <= CStartupLayout::kCapacity; ++i)
        EXPECT_EQ(layout.Add(Entry(0, 2000 + i, 0, "/f" + std::to_string(i))), i < CStartupLayout::kCapacity) << i;
    std::ostringstream out;
    layout.Write(out);
    std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 8u + CStartupLayout::kCapacity);
    EXPECT_EQ(lines.back().substr(0, 9), "/f127 0 -");
}

class LayoutTest : public AppFixture {
protected:
    std::string WrittenLayout() const
    {
        std::string text;
        EXPECT_TRUE(ReadWholeFile((home / "LAYOUT.USE").string(), text));
        return text;
    }
};

TEST_F(LayoutTest, TwoModelsAndATextFileComeBackInOrderWithTheFirstActive)
{
    ASSERT_TRUE(Start());
    auto notes = WriteFile("notes.txt", "C E G\n");
    app->RouteCommand(ID_KEY_FIRST + 10);  // G
    app->RouteCommand(32847);             // New Model
    app->RouteCommand(ID_SCALE_FIRST + 2);
    app->OpenFileByType(notes.string());
    Restart();

    ASSERT_TRUE(std::filesystem::exists(home / "LAYOUT.USE"));
    std::string written = WrittenLayout();
    std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 11u) << written;
    // Templates in order: the text document is entry 0, the models 1 and 2.
    EXPECT_EQ(lines[8].rfind(notes.string() + " 0 -1 0 ", 0), 0u) << lines[8];
    EXPECT_EQ(lines[9].rfind("Model 1 -1 1 ", 0), 0u) << lines[9];
    EXPECT_NE(lines[9].find("_Model e G major $ none $"), std::string::npos) << lines[9];
    EXPECT_NE(lines[10].find("_Model e C natural minor $ none $"), std::string::npos) << lines[10];

    std::vector<std::string> titles;
    for (CFrame* frame : app->Frames())
        titles.push_back(frame->Document()->GetTitle());
    EXPECT_EQ(titles, (std::vector<std::string>{"notes.txt", "Model", "Model"}));
    ASSERT_NE(app->Models().Primary(), nullptr);
    EXPECT_EQ(app->Models().Primary()->State().keyName, "G");
    for (CFrame* frame : app->Frames())
        EXPECT_TRUE(frame->IsVisible());
}

TEST_F(LayoutTest, ALayoutWithoutModelsStartsANewOneAndAGoneFileIsSkipped)
{
    WriteFile("LAYOUT.USE", "; comment\n/no/such/file.txt 0 -1 0 _Generic 0 0 0 0 1 1 9 9 1 0 0 0 0 0 0 0 X $\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(app->Frames().size(), 1u);
    EXPECT_EQ(app->ActiveFrame()->Document()->kind, 1);
}

TEST_F(LayoutTest, InstrumentsComeBackAttachedToTheirModelsInTheFilesOrder)
{
    ASSERT_TRUE(Start());
    constexpr int kGuitar = 2, kRecorder = 79;
    app->RouteCommand(ID_INSTRUMENT_FIRST + kGuitar);
    app->RouteCommand(ID_INSTRUMENT_FIRST + kRecorder);
    app->RouteCommand(32847);  // a second model
    app->RouteCommand(ID_KEY_FIRST + 10);
    app->RouteCommand(ID_INSTRUMENT_FIRST + kRecorder);
    auto notes = WriteFile("notes.txt", "C E G\n");
    app->OpenFileByType(notes.string());
    Restart();

    std::string written = WrittenLayout();
    std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 14u) << written;
    std::vector<std::string> names;
    for (size_t i = 8; i < lines.size(); ++i)
        names.push_back(lines[i].substr(0, lines[i].find(' ')));
    EXPECT_EQ(names, (std::vector<std::string>{notes.string(), "Model", "Guitar", "Soprano-Recorder", "Model",
                                               "Soprano-Recorder"}));

    const std::vector<CModelDoc*> models = {app->Models().First(), app->Models().Last()};
    ASSERT_NE(models[0], models[1]);
    ASSERT_EQ(models[0]->Instruments().size(), 2u);
    ASSERT_EQ(models[1]->Instruments().size(), 1u);
    EXPECT_EQ(models[0]->Instruments()[0]->kind, 2);
    EXPECT_EQ(models[1]->State().keyName, "G");
    EXPECT_EQ(app->ActiveFrame()->Document()->GetTitle(), "notes.txt");
}

TEST_F(LayoutTest, DamagedStateStringsLeaveFreshWindowsNamedInOneMessageAndNothingOfThemInAProfile)
{
    ASSERT_TRUE(Start());
    OpenInstrument<CStringedDoc>("Guitar");  // its profile: six strings
    Restart();
    ASSERT_EQ(ports->settings->GetInt("Guitar", "N", -1), 6);
    int guitar = app->Instruments().FindInstrument("Guitar");
    const std::string vanilla = "_Vanilla e c t 0 16777215 16 24 537 216 1 928 120 0 0 1 1 12 8 2 12 8 400 0 2 1 1 "
                                "Morvix LineDraw Light $ ";
    const std::string generic = "_Generic 1 0 0 0 20 20 340 150 3 12 8 400 0 255 0 49 Terminal $ ";
    app->RouteCommand(ID_APP_EXIT);
    WriteFile("LAYOUT.USE", "Model 1 -1 0 garbage\n"
                            "Guitar 2 " + std::to_string(guitar) + " 1 " + vanilla + "_Stringed 99 E 3 A 3\n"
                            "Model 1 -1 2 " + generic + "_Model e C major $ nonsense $ -1\n"
                            "Model 1 -1 3 " + generic + "_Model e C minor $ none $ -1\n");
    ports->ResetWindows();
    app = std::make_unique<CReferenceApp>(ports->Get(), home.string());
    TakeOutput();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(TakeOutput(), "message: Some windows could not be restored: Model, Guitar, Model, Model.\n")
        << "a bad state string, a refused string count, a chord and a group that are no chord and no scale";

    ASSERT_EQ(app->Frames().size(), 4u);
    for (CFrame* frame : app->Frames())
        EXPECT_TRUE(frame->IsVisible()) << frame->Document()->GetTitle();
    CModelDoc* first = app->Models().First();
    ASSERT_EQ(first->Instruments().size(), 1u);
    EXPECT_EQ(dynamic_cast<CStringedDoc*>(first->Instruments()[0])->stringed.stringCount, 6) << "from its profile";
    for (CModelDoc* model : {first, app->Models().Last()}) {
        EXPECT_EQ(model->State().reportText.rfind("Tonic:   C\r\nScale:   major\r\nChord:   \r\n", 0), 0u)
            << model->State().reportText;
    }
    app->RouteCommand(ID_APP_EXIT);
    EXPECT_EQ(ports->settings->GetInt("Guitar", "N", -1), 6);
    EXPECT_EQ(ports->settings->GetString("Model", "Chord", "?"), "");
}

TEST_F(LayoutTest, AWindowWithAnEntryNumberOutOfRangeOrGivenTwiceStillShows)
{
    const std::string state = " _Generic 1 0 0 0 20 20 340 150 1 12 8 400 0 255 0 49 Terminal $ _Model e ";
    WriteFile("LAYOUT.USE", "Model 1 -1 500" + state + "G major $ none $ -1\n"
                            "Model 1 -1 17" + state + "E major $ none $ -1\n"  // past the entries
                            "Model 1 -1 0" + state + "D major $ none $ -1\n"
                            "Model 1 -1 0" + state + "A major $ none $ -1\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(app->Frames().size(), 4u);
    for (CFrame* frame : app->Frames())
        EXPECT_TRUE(frame->IsVisible());
    EXPECT_EQ(dynamic_cast<CModelDoc*>(app->ActiveFrame()->Document())->State().keyName, "A");
    EXPECT_EQ(TakeOutput(), "");
}

TEST_F(LayoutTest, FilesOpenedByARelativeOrBlankNameAndMidiListingsComeBackFromAnotherFolder)
{
    ASSERT_TRUE(Start());
    WriteFile("My Notes.txt", "C E G\n");
    TrackBody track;
    track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
    Bytes song = Smf(0, 96, {track});
    WriteFile("song.mid", std::string(song.begin(), song.end()));
    std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(home);
    ASSERT_TRUE(app->OpenFileByType("My Notes.txt"));
    ASSERT_TRUE(app->OpenMidiListing("song.mid"));
    std::filesystem::current_path(started);
    TakeOutput();
    Restart();
    EXPECT_EQ(TakeOutput(), "") << "a reopened listing keeps its merge summary to itself";

    std::string written = WrittenLayout();
    std::vector<std::string> lines = Lines(written);
    ASSERT_EQ(lines.size(), 11u) << written;
    EXPECT_EQ(lines[8].rfind("\"" + (home / "My Notes.txt").string() + "\" 0 -1 ", 0), 0u) << lines[8];
    EXPECT_EQ(lines[9].rfind((home / "song.mid").string() + " 6 -1 ", 0), 0u) << lines[9];
    std::vector<std::string> titles;
    for (CFrame* frame : app->Frames())
        titles.push_back(std::to_string(frame->Document()->kind) + " " + frame->Document()->GetTitle());
    EXPECT_EQ(titles, (std::vector<std::string>{"0 My Notes.txt", "1 Model", "6 song.mid"}));
}

TEST_F(LayoutTest, RestoredFilesLeaveTheRecentFileListAsTheUserLeftIt)
{
    ASSERT_TRUE(Start());
    for (const char* name : {"first.txt", "second.txt"})
        app->OpenFileByType(WriteFile(name, "notes\n").string());
    app->OpenFileByType(WriteFile("last.txt", "notes\n").string());
    app->RouteCommand(ID_FILE_CLOSE);  // the file opened last is closed, not in the layout
    const std::vector<std::string> recent = app->RecentFiles().Paths();
    ASSERT_EQ(recent.front(), (home / "last.txt").string());
    Restart();
    EXPECT_EQ(app->Frames().size(), 3u);
    EXPECT_EQ(app->RecentFiles().Paths(), recent);
}

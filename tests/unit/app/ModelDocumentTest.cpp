#include <fstream>

#include "AppFixture.h"
#include "app/AppCommands.h"
#include "app/MainFrame.h"
#include "framework/CommandIds.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"

using ModelDocTest = AppFixture;

namespace {
constexpr int kKeyDb = 32773;
constexpr int kKeyCSharp = 32772;
constexpr int kKeyD = 32774;
constexpr int kKeyF = 32778;
constexpr int kKeyG = 32781;
} // namespace

TEST_F(ModelDocTest, KeyChecksTellEnharmonicKeysApart)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(kKeyDb);
    EXPECT_EQ(Model()->State().keyName, "Db");
    EXPECT_TRUE(app->QueryCommand(kKeyDb).checked);
    EXPECT_FALSE(app->QueryCommand(kKeyCSharp).checked);
    EXPECT_TRUE(app->QueryCommand(ID_SCALE_FIRST).checked);
    EXPECT_FALSE(app->QueryCommand(ID_SCALE_FIRST + 2).checked);
}

TEST_F(ModelDocTest, KeyChangesBecomeHistoryThatSurvivesARestart)
{
    ASSERT_TRUE(Start());
    int before = app->History().List().Count();
    for (int key : {kKeyD, kKeyF, kKeyG})
        app->RouteCommand(key);
    app->RouteCommand(kKeyG);  // the same choice again adds nothing
    ASSERT_EQ(app->History().List().Count(), before + 3);
    Restart();
    const auto& list = app->History().List();
    ASSERT_EQ(list.Count(), before + 3);
    EXPECT_EQ(list.GetSelection(), list.Count() - 1);
    EXPECT_EQ(list.Items().back(), "G major");
    EXPECT_EQ(Model()->State().keyName, "G");
    EXPECT_EQ(ports->Windows().MainWindow().HistoryItems(), list.Items());
}

TEST_F(ModelDocTest, PreviousThenAKeyJumpsBackToTheNewestAndAddsAnEntry)
{
    ASSERT_TRUE(Start());
    for (int key : {kKeyD, kKeyF, kKeyG})
        app->RouteCommand(key);
    int count = app->History().List().Count();
    app->RouteCommand(ID_PREVIOUS_MODEL);
    EXPECT_EQ(Model()->State().keyName, "F");
    EXPECT_EQ(app->History().List().Count(), count);
    app->RouteCommand(kKeyDb);
    EXPECT_EQ(app->History().List().Count(), count + 1);
    EXPECT_EQ(app->History().List().GetSelection(), count);
    EXPECT_EQ(app->History().List().Items().back(), "Db major");
}

TEST_F(ModelDocTest, ChoosingAnEntryRestoresKeyScaleAndChord)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(kKeyD);
    int natural = app->Scales().FindByFullName("natural minor");
    app->RouteCommand(ID_SCALE_FIRST + natural);
    app->RouteCommand(ID_CHORD_FIRST + 2);
    std::string chord = Model()->State().chordName;
    ASSERT_FALSE(chord.empty());
    app->RouteCommand(kKeyG);
    int entry = app->History().List().Count() - 2;
    app->MainFrame().OnHistorySelChange(entry);
    EXPECT_EQ(Model()->State().keyName, "D");
    EXPECT_EQ(Model()->State().scaleName, "natural minor");
    EXPECT_EQ(Model()->State().chordName, chord);
    EXPECT_EQ(app->History().List().GetSelection(), entry);
}

TEST_F(ModelDocTest, SaveWritesTheProfileThatTheNextModelStartsFrom)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(kKeyF);
    app->RouteCommand(ID_FILE_SAVE);
    EXPECT_NE(TakeOutput().find("message: Model profile saved."), std::string::npos);
    EXPECT_EQ(ports->settings->GetString("Model", "Key", ""), "F");
    app->RouteCommand(ID_FILE_SAVE_AS);
    EXPECT_NE(TakeOutput().find("Use Select and Copy"), std::string::npos);
    app->RouteCommand(ID_NEW_MODEL);
    EXPECT_EQ(app->Models().Last()->State().keyName, "F");
}

TEST_F(ModelDocTest, NotationDialogRelabelsAndCancelKeepsTheCodes)
{
    ASSERT_TRUE(Start());
    Answer(IDOK, {{"1048", "Roman"}, {"1049", "Second"}});
    app->RouteCommand(ID_NOTATION);
    EXPECT_EQ(Model()->State().notation, 'r');
    EXPECT_EQ(Model()->State().chordset, 's');
    EXPECT_NE(Report().find("Pattern:  I, , II, , III, IV"), std::string::npos) << Report();
    Answer(IDCANCEL, {{"1048", "Voiced"}});
    app->RouteCommand(ID_NOTATION);
    EXPECT_EQ(Model()->State().notation, 'r');
    EXPECT_EQ(Model()->State().chordset, 's');
}

// Chord tones by name (the default) or by interval number: the Notation
// dialog's third choice, kept in the model's profile and layout string.
TEST_F(ModelDocTest, ChordTonesReadAsNamesOrIntervalNumbersAndAreKept)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_CHORD_FIRST + 32);  // 7: 1,3 maj, 5 per, 7 min
    EXPECT_NE(Report().find("Pattern:  C, , , , E, , , G, , , Bb, , , "), std::string::npos) << Report();
    Answer(IDOK, {{"1050", "Interval numbers"}});
    app->RouteCommand(ID_NOTATION);
    EXPECT_EQ(Model()->State().chordTones, 'i');
    EXPECT_NE(Report().find("Pattern:  C, , , , 3, , , 5, , , 7, , , "), std::string::npos) << Report();
    std::string state = Model()->FormatStateString();
    EXPECT_TRUE(state.ends_with(" _ChordTones i")) << state;

    Model()->SaveSettings();
    EXPECT_EQ(ports->settings->GetString("Model", "ChordTones", ""), "i");
    Answer(IDOK, {{"1050", "Names"}});
    app->RouteCommand(ID_NOTATION);
    EXPECT_EQ(Model()->State().chordTones, 'n');
    ASSERT_TRUE(Model()->ParseStateString(state));
    EXPECT_EQ(Model()->State().chordTones, 'i');
}

TEST_F(ModelDocTest, MalformedHistoryAndProfileFallBackSoundly)
{
    std::ofstream(home / "HISTORY.USE") << "; comment\n" << std::string(1000, 'x') << "\nH nowhere\n";
    ports->settings->WriteString("Model", "Notation", "e");
    ports->settings->WriteString("Model", "Key", "H#");
    ports->settings->WriteString("Model", "Scale", "no such scale");
    ASSERT_TRUE(Start());
    EXPECT_EQ(Model()->State().keyName, "C");
    app->MainFrame().OnHistorySelChange(0);
    EXPECT_EQ(Model()->State().keyName, "C");
    EXPECT_EQ(Report().rfind("Tonic:   C\r\nScale:   major", 0), 0u) << Report();
}

TEST_F(ModelDocTest, PreviousWithNoModelOpenMakesOneShowingThePreviousEntry)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(kKeyD);
    app->RouteCommand(kKeyF);
    app->RouteCommand(57602);  // close the model window
    ASSERT_EQ(Model(), nullptr);
    app->RouteCommand(ID_PREVIOUS_MODEL);
    ASSERT_NE(Model(), nullptr);
    EXPECT_EQ(Model()->State().keyName, "D");
    EXPECT_EQ(app->History().List().SelectedText(), "D major");
}

namespace {

// The command ids of one menu range that carry a check mark.
std::vector<int> CheckedIn(CReferenceApp& app, int first, int last)
{
    std::vector<int> checked;
    for (int id = first; id <= last; ++id)
        if (app.QueryCommand(id).checked)
            checked.push_back(id);
    return checked;
}

} // namespace

TEST_F(ModelDocTest, EachMenuChecksExactlyTheModelsChoice)
{
    ASSERT_TRUE(Start());
    const int chordLast = ID_CHORD_FIRST + kCommandRangeSize - 1;
    const int scaleLast = ID_SCALE_FIRST + kCommandRangeSize - 1;
    EXPECT_EQ(CheckedIn(*app, ID_CHORD_FIRST, chordLast), std::vector<int>{ID_CHORD_FIRST});
    EXPECT_EQ(CheckedIn(*app, ID_SCALE_FIRST, scaleLast), std::vector<int>{ID_SCALE_FIRST});
    EXPECT_EQ(CheckedIn(*app, ID_KEY_FIRST, ID_KEY_LAST), std::vector<int>{ID_KEY_FIRST});

    app->RouteCommand(ID_CHORD_FIRST + 5);
    app->RouteCommand(ID_SCALE_FIRST + 2);
    app->RouteCommand(ID_KEY_FIRST + 7);
    EXPECT_EQ(CheckedIn(*app, ID_CHORD_FIRST, chordLast), std::vector<int>{ID_CHORD_FIRST + 5});
    EXPECT_EQ(CheckedIn(*app, ID_SCALE_FIRST, scaleLast), std::vector<int>{ID_SCALE_FIRST + 2});
    EXPECT_EQ(CheckedIn(*app, ID_KEY_FIRST, ID_KEY_LAST), std::vector<int>{ID_KEY_FIRST + 7});

    app->RouteCommand(ID_CHORD_FIRST);
    EXPECT_EQ(CheckedIn(*app, ID_CHORD_FIRST, chordLast), std::vector<int>{ID_CHORD_FIRST});
    EXPECT_TRUE(Model()->State().chordName.empty());
}

TEST_F(ModelDocTest, ChoosingAScaleDropsAPresetChordButKeepsAnOrdinaryOne)
{
    ASSERT_TRUE(Start());
    int preset = -1;
    for (int i = 0; i < CChordCatalog::kCapacity && preset < 0; ++i)
        if (app->Chords().IsChord(i) && app->Chords().GetGroup(i) == "preset")
            preset = i;
    ASSERT_GE(preset, 0);
    app->RouteCommand(ID_CHORD_FIRST + preset);
    ASSERT_FALSE(Model()->State().chordName.empty());
    app->RouteCommand(ID_SCALE_FIRST);
    EXPECT_TRUE(Model()->State().chordName.empty());
    EXPECT_NE(Report().find("Chord:   \r\n"), std::string::npos);

    app->RouteCommand(ID_CHORD_FIRST + 5);
    std::string chord = Model()->State().chordName;
    app->RouteCommand(ID_SCALE_FIRST + 2);
    EXPECT_EQ(Model()->State().chordName, chord);
}

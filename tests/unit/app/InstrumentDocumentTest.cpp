#include "AppFixture.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "instruments/ClipboardText.h"
#include "instruments/InstrumCommands.h"
#include "instruments/StringedDoc.h"
#include "instruments/WindDoc.h"
#include "platform/headless/HeadlessWindowSystem.h"

namespace {

constexpr int kKeyG = 32781;

class InstrumentDocTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
    }

    static HeadlessFrameWindow& WindowOf(CDocument& doc) { return *HeadlessWindowSystem::WindowOf(*doc.FirstFrame()); }

    static std::string Lines(CInstrumDoc& doc)
    {
        doc.BuildLines();
        std::string text;
        for (const std::string& line : doc.base.ValidLines())
            text += line + "\n";
        return text;
    }
};

} // namespace

TEST_F(InstrumentDocTest, OpeningAttachesTheInstrumentToTheModelAndItsReport)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    ASSERT_NE(guitar, nullptr);
    EXPECT_EQ(guitar->kind, 2);
    EXPECT_EQ(guitar->GetTitle(), "Guitar");
    EXPECT_EQ(guitar->modelSerial, Model()->serial);
    EXPECT_EQ(guitar->stringed.stringCount, 6);
    auto* recorder = OpenInstrument<CWindDoc>("Alto-Recorder");
    ASSERT_NE(recorder, nullptr);
    EXPECT_EQ(recorder->kind, 5);
    ASSERT_EQ(Model()->Instruments().size(), 2u);
    EXPECT_NE(Report().find("Instruments:\r\n  Guitar\r\n  Alto-Recorder\r\n"), std::string::npos) << Report();

    // Both instrument menus show the model's list of instruments at position 6.
    for (CInstrumDoc* doc : {static_cast<CInstrumDoc*>(guitar), static_cast<CInstrumDoc*>(recorder)}) {
        MenuPtr menu = doc->FirstFrame()->GetMenu();
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->At(6).text, "F&rame");
        EXPECT_EQ(menu->At(6).popup, Model()->FramePopup());
    }
    ASSERT_EQ(Model()->FramePopup()->Count(), 2);
    EXPECT_EQ(Model()->FramePopup()->At(0).text, "Guitar");

    // The Frame item brings the guitar forward, from any window of the model.
    app->RouteCommand(ID_FRAME_FIRST);
    EXPECT_EQ(app->ActiveFrame()->Document(), guitar);
}

TEST_F(InstrumentDocTest, ClosingDetachesAndClosingTheModelClosesItsInstruments)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    ASSERT_NE(OpenInstrument<CWindDoc>("Soprano-Recorder"), nullptr);
    guitar->FirstFrame()->OnClose();
    app->CollectGarbage();
    ASSERT_EQ(Model()->Instruments().size(), 1u);
    EXPECT_EQ(Report().substr(Report().find("Instruments:")), "Instruments:\r\n  Soprano-Recorder\r\n");
    EXPECT_EQ(Model()->FramePopup()->Count(), 1);

    Model()->FirstFrame()->OnClose();
    app->CollectGarbage();
    EXPECT_TRUE(app->Template(2)->Documents().empty());
    EXPECT_TRUE(app->Template(5)->Documents().empty());
}

TEST_F(InstrumentDocTest, AModelChangeRedrawsEveryAttachedInstrument)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    auto* recorder = OpenInstrument<CWindDoc>("Soprano-Recorder");
    int guitarBefore = WindowOf(*guitar).Invalidations();
    int recorderBefore = WindowOf(*recorder).Invalidations();
    // The key arrives through the recorder's window and reaches the model.
    app->RouteCommand(kKeyG);
    EXPECT_EQ(Model()->State().keyName, "G");
    EXPECT_GT(WindowOf(*guitar).Invalidations(), guitarBefore);
    EXPECT_GT(WindowOf(*recorder).Invalidations(), recorderBefore);
    EXPECT_NE(Lines(*guitar).find("F#"), std::string::npos);
    EXPECT_NE(Lines(*recorder).find("F#"), std::string::npos);
}

TEST_F(InstrumentDocTest, TheProfileBringsEveryStringedSettingBack)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    guitar->stringed.handedness = 'l';
    guitar->stringed.orientation = 'd';
    guitar->stringed.perspective = 'n';
    guitar->stringed.fretStatus = 'n';
    guitar->stringed.stringType = 'd';
    guitar->stringed.fretCount = 12;
    guitar->base.notation = 'r';
    guitar->base.foreColor = 255;
    guitar->base.fontWidthRatio = 1.25;
    WindowPlacement placement = WindowOf(*guitar).GetPlacement();
    placement.normal = {11, 22, 333, 244};
    WindowOf(*guitar).SetPlacement(placement);
    guitar->FirstFrame()->OnClose();
    app->CollectGarbage();

    auto* again = OpenInstrument<CStringedDoc>("Guitar");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->stringed.handedness, 'l');
    EXPECT_EQ(again->stringed.orientation, 'd');
    EXPECT_EQ(again->stringed.perspective, 'n');
    EXPECT_EQ(again->stringed.fretStatus, 'n');
    EXPECT_EQ(again->stringed.stringType, 'd');
    EXPECT_EQ(again->stringed.fretCount, 12);
    EXPECT_EQ(again->base.notation, 'r');
    EXPECT_EQ(again->base.foreColor, 255u);
    EXPECT_DOUBLE_EQ(again->base.fontWidthRatio, 1.25);
    EXPECT_EQ(WindowOf(*again).GetPlacement().normal, (Rect{11, 22, 333, 244}));
}

TEST_F(InstrumentDocTest, AWildStringedProfileIsRefusedOrBounded)
{
    ISettings& settings = *ports->settings;
    settings.WriteInt("Guitar", "N", 40);
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    EXPECT_EQ(guitar->stringed.stringCount, 6);  // the catalogue's, not the profile's
    guitar->FirstFrame()->OnClose();
    app->CollectGarbage();

    settings.WriteInt("Guitar", "N", 2);
    settings.WriteInt("Guitar", "FretCount", 100000);
    auto* bounded = OpenInstrument<CStringedDoc>("Guitar");
    EXPECT_EQ(bounded->stringed.stringCount, 2);
    EXPECT_LE(bounded->stringed.fretCount, StringedInstrument::kMaxFrets);
    EXPECT_FALSE(Lines(*bounded).empty());
}

TEST_F(InstrumentDocTest, TheRecorderProfileAndStateStringComeBack)
{
    auto* recorder = OpenInstrument<CWindDoc>("Alto-Recorder");
    EXPECT_EQ(recorder->wind.tuning.Text(), "F");
    recorder->wind.octave = 6;
    recorder->base.chordset = 's';
    app->RouteCommand(ID_FILE_SAVE);
    EXPECT_NE(TakeOutput().find("message: Alto-Recorder profile saved."), std::string::npos);
    std::string state = recorder->FormatRecorderState();
    EXPECT_NE(state.find("_Vanilla e s t "), std::string::npos) << state;
    EXPECT_NE(state.find("$ _ChordTones n _Recorder F 6 G 0 74"), std::string::npos) << state;
    recorder->FirstFrame()->OnClose();
    app->CollectGarbage();

    auto* again = OpenInstrument<CWindDoc>("Alto-Recorder");
    EXPECT_EQ(again->wind.octave, 6);
    EXPECT_EQ(again->base.chordset, 's');
    std::string unknown = state;
    unknown.replace(unknown.find("_Recorder F"), 11, "_Recorder H");
    again->wind.octave = 5;
    ASSERT_TRUE(again->ParseRecorderState(unknown));
    EXPECT_EQ(again->wind.tuning.Text(), "C");
    EXPECT_EQ(again->wind.octave, 6);
    EXPECT_EQ(again->stateText, unknown);
    EXPECT_FALSE(again->ParseRecorderState("_Recorderx F 5 G 0 74"));
}

TEST_F(InstrumentDocTest, TheStringedStateStringRoundTripsAndSpellsUnknownNamesAsC)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar-Open-D");
    guitar->stringed.orientation = 'd';
    guitar->stringed.fretCount = 9;
    std::string state = guitar->FormatStringedState();
    EXPECT_NE(state.find("_Stringed 6 D 3 A 3 D 4 F# 4 A 4 D 5 G -12 25 9 s y r d r"), std::string::npos) << state;
    auto* other = OpenInstrument<CStringedDoc>("Cello");
    std::string withUnknown = state;
    withUnknown.replace(withUnknown.find(" F# 4"), 5, " Q# 4");
    ASSERT_TRUE(other->ParseStringedState(withUnknown));
    EXPECT_EQ(other->stringed.stringCount, 6);
    EXPECT_EQ(other->stringed.tunings[3].Text(), "C");
    EXPECT_EQ(other->stringed.orientation, 'd');
    EXPECT_EQ(other->stringed.fretCount, 9);
    EXPECT_EQ(other->GetTitle(), "Cello");  // the layout never renames a window

    std::string tooMany = state;
    tooMany.replace(tooMany.find("_Stringed 6"), 11, "_Stringed 33");
    EXPECT_FALSE(other->ParseStringedState(tooMany));
    EXPECT_EQ(other->stringed.stringCount, 6);
}

TEST_F(InstrumentDocTest, CopyAllPutsTheBoardOnTheClipboardAsUnicode)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    guitar->stringed.fretCount = 1;
    TakeOutput();
    app->RouteCommand(ID_EDIT_COPY);
    std::string expected;
    for (const std::string& line : guitar->base.ValidLines())
        expected += GridTextToUtf8(line) + "\r\n";
    expected += "\r\n";
    EXPECT_EQ(ports->clipboard.GetText(), expected);
    EXPECT_NE(expected.find("\u253C"), std::string::npos);
    EXPECT_NE(TakeOutput().find("message: Entire image for Guitar copied to clipboard."), std::string::npos);

    guitar->base.viewStyle = 'g';
    app->RouteCommand(ID_VIGNETTE);
    EXPECT_NE(TakeOutput().find("message: Copying allowed only in text view mode."), std::string::npos);
}

TEST_F(InstrumentDocTest, TheChordSetCycleAndTheDetailsDialog)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    for (char expected : {'f', 's', 'c'}) {
        app->RouteCommand(ID_CYCLE_CHORDSET);
        EXPECT_EQ(guitar->base.chordset, expected);
    }
    guitar->base.chordset = 'x';
    app->RouteCommand(ID_CYCLE_CHORDSET);
    EXPECT_EQ(guitar->base.chordset, 'x');

    Answer(IDOK, {{"1030", "1"}, {"1029", "0"}, {"1020", "12"}, {"1028", "1"}, {"1027", "0"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(guitar->stringed.orientation, 'd');
    EXPECT_EQ(guitar->stringed.handedness, 'l');
    EXPECT_EQ(guitar->stringed.fretCount, 12);

    // A fret count outside 5..48 is refused and the dialog shown again.
    Answer(IDOK, {{"1020", "3"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(guitar->stringed.fretCount, 12);
    EXPECT_NE(TakeOutput().find("message: Please enter an integer between 5 and 48."), std::string::npos);

    // Reset takes the catalogue's defaults again.
    Answer(1014);
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(guitar->stringed.orientation, 'a');
    EXPECT_EQ(guitar->stringed.fretCount, 22);
}

// An instrument keeps its own chord-tone choice with its notation: a
// guitarist sees C E G Bb for C7 unless interval numbers are chosen, and
// the choice comes back from the profile.
TEST_F(InstrumentDocTest, AnInstrumentLabelsChordTonesByNameOrNumberAndKeepsTheChoice)
{
    auto* guitar = OpenInstrument<CStringedDoc>("Guitar");
    app->RouteCommand(ID_CHORD_FIRST + 32);  // 7
    // The strings' rows, without the fret numbers under them.
    auto strings = [guitar] {
        guitar->BuildLines();
        std::vector<std::string> lines = guitar->base.ValidLines();
        std::string board;
        for (std::size_t i = 1; i + 2 < lines.size(); ++i)
            board += lines[i];
        return board;
    };
    std::string board = strings();
    EXPECT_NE(board.find("Bb"), std::string::npos);
    EXPECT_EQ(board.find('7'), std::string::npos);

    Answer(IDOK, {{"1050", "Interval numbers"}});
    app->RouteCommand(ID_NOTATION);
    EXPECT_EQ(guitar->base.chordTones, 'i');
    EXPECT_EQ(Model()->State().chordTones, 'n') << "the model keeps its own";
    board = strings();
    EXPECT_EQ(board.find("Bb"), std::string::npos);
    EXPECT_NE(board.find('7'), std::string::npos);

    guitar->FirstFrame()->OnClose();
    app->CollectGarbage();
    EXPECT_EQ(ports->settings->GetString("Guitar", "ChordTones", ""), "i");
    auto* again = OpenInstrument<CStringedDoc>("Guitar");
    EXPECT_EQ(again->base.chordTones, 'i');
}

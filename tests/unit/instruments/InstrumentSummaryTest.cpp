#include "InstrumentFixture.h"

#include "instruments/InstrumentSummary.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetInstrument.h"
#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"

namespace {

constexpr const char* kGuitar = "y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24";

class InstrumentSummaryTest : public InstrumentFixture {
protected:
    NoteSources Sources() { return GatherNoteSources(model, base.notation, base.chordTones, base.chordset, marks); }
};

} // namespace

TEST_F(InstrumentSummaryTest, AGuitarNamesTheFretsOfEachStringFromTheLowest)
{
    ShowScale("G", "major");
    ShowChord("triad", "maj");
    StringedInstrument guitar;
    guitar.SetDefaults(kGuitar);
    EXPECT_EQ(InstrumentSummary("Guitar", model, StringedMarks(guitar, Sources(), speller)),
              "Guitar, G major, chord G maj: string 6 frets 3, 7, 10, 15, 19, 22; "
              "string 5 frets 2, 5, 10, 14, 17, 22; string 4 frets 0, 5, 9, 12, 17, 21; "
              "string 3 frets 0, 4, 7, 12, 16, 19; string 2 frets 0, 3, 8, 12, 15, 20; "
              "string 1 frets 3, 7, 10, 15, 19, 22");
}

TEST_F(InstrumentSummaryTest, AShortBoardAndPlaybackMarksNameOnlyWhatIsShown)
{
    StringedInstrument guitar;
    guitar.SetDefaults(kGuitar);
    guitar.fretCount = 4;
    EXPECT_EQ(StringedMarks(guitar, Sources(), speller),
              "string 6 frets 0, 1, 3; string 5 frets 0, 2, 3; string 4 frets 0, 2, 3; "
              "string 3 frets 0, 2, 4; string 2 frets 0, 1, 3; string 1 frets 0, 1, 3");

    // While a file plays, only the sounding G (MIDI 43) on the low string.
    model.liveFlag = 1;
    marks[43] = MakeCell("G");
    EXPECT_EQ(StringedMarks(guitar, Sources(), speller),
              "string 6 frets 3; string 5 no frets; string 4 no frets; string 3 no frets; "
              "string 2 no frets; string 1 no frets");
}

TEST_F(InstrumentSummaryTest, APianoNamesItsMarkedKeysWithTheirOctaves)
{
    ShowChord("triad", "maj");
    KeyboardInstrument piano;
    piano.SetDefaults("88 A 1 G 0 0");
    std::string summary = InstrumentSummary("Piano-88", model, KeyboardMarks(piano, Sources(), speller, 0));
    EXPECT_TRUE(summary.starts_with("Piano-88, C major, chord C maj: C2 E2 G2 C3 E3 G3 C4 ")) << summary;
    EXPECT_TRUE(summary.ends_with(" E8 G8 C9")) << summary;
}

TEST_F(InstrumentSummaryTest, KeysLabelledByIntervalAreSpelledInTheKeysFamily)
{
    ShowScale("F", "major");
    ShowChord("triad", "min");
    KeyboardInstrument keyboard;
    keyboard.SetDefaults("25 C 5 G 0 0");
    EXPECT_EQ(KeyboardMarks(keyboard, Sources(), speller, model.accidentals), "C5 F5 Ab5 C6 F6 Ab6 C7");
    keyboard.keyCount = 0;
    EXPECT_EQ(KeyboardMarks(keyboard, Sources(), speller, model.accidentals), "no keys marked");
}

TEST_F(InstrumentSummaryTest, AStaffNamesItsSignatureAndEachNoteOnce)
{
    ShowScale("G", "major");
    SheetInstrument sheet;
    sheet.SetDefaults("G");
    StaffLayout layout = BuildSheetLines(sheet, model, speller, base);
    EXPECT_EQ(SheetMarks(layout, Sources()), "1 sharp, notes G A B C D E F#");
    ShowScale("Eb", "major");
    ShowChord("triad", "maj");
    layout = BuildSheetLines(sheet, model, speller, base);
    EXPECT_EQ(SheetMarks(layout, Sources()), "3 flats, notes Eb G Bb");
}

TEST_F(InstrumentSummaryTest, ARecorderNamesTheClosedAndHalfClosedHolesOfEachChart)
{
    ShowChord("triad", "maj");
    WindInstrument recorder;
    recorder.SetDefaults("C 6 G 12 74");
    EXPECT_EQ(RecorderMarks(recorder, Sources(), speller),
              "C: thumb 1 2 3 4 5 6 7 closed; E: thumb 1 2 3 4 5 closed; G: thumb 1 2 3 closed; "
              "C: thumb 2 closed; E: 1 2 3 4 5 closed, thumb half; G: 1 2 3 closed, thumb half; "
              "C: 1 4 5 closed, thumb half");
}

TEST_F(InstrumentSummaryTest, TheHeadingNamesTheChordByWhatTheModelHolds)
{
    EXPECT_EQ(model.Heading(), "C major");
    ShowChord("interval", "m3");
    EXPECT_EQ(model.Heading(), "C major, chord C m3");
    // A chord taken from the history keeps a stale index: its own text names it.
    model.ApplyHistoryEntry("D dorian; 1,3 maj, 5 per maj");
    EXPECT_EQ(model.Heading(), "D dorian, chord D 1,3 maj, 5 per maj");
}

#include "InstrumentFixture.h"

#include "instruments/InstrumentDrawing.h"
#include "instruments/StringedInstrument.h"

namespace {

using Lines = std::vector<std::string>;

class Fretboard : public InstrumentFixture {
protected:
    // Two strings, G and D in octave 4, three frets, as drawn in C major.
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        board.SetDefaults("y 2 G 4 D 4 G 0 24");
        board.fretCount = 3;
        board.perspective = 'n';
    }

    Lines Draw()
    {
        DrawStringed(board, model, marks, speller, base);
        return DrawnLines();
    }

    StringedInstrument board;
};

} // namespace

TEST_F(Fretboard, HorizontalBoardPutsTheNutOnTheRight)
{
    EXPECT_EQ(Draw(), (Lines{"", "|----|-A--|----|G|", "|-F--|-E--|----|D|", "", " 3    2    1    0   "}));
}

TEST_F(Fretboard, LeftHandedBoardIsMirrored)
{
    board.handedness = 'l';
    EXPECT_EQ(Draw(), (Lines{"", "  |G|----|--A-|----|", "  |D|----|--E-|--F-|", "", "   0    1    2    3 "}));
}

TEST_F(Fretboard, ReversePerspectiveMirrorsAndListsTheLastStringFirst)
{
    board.perspective = 'r';
    EXPECT_EQ(Draw(), (Lines{"", "  |D|----|--E-|--F-|", "  |G|----|--A-|----|", "", "   0    1    2    3 "}));
    board.handedness = 'l';
    EXPECT_EQ(Draw(), (Lines{"", "|-F--|-E--|----|D|", "|----|-A--|----|G|", "", " 3    2    1    0   "}));
}

TEST_F(Fretboard, HiddenFretsGiveFiveCharacterCellsWithTheNameAtTheLeft)
{
    board.fretStatus = 'n';
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "-----A---------|G|");
    EXPECT_EQ(lines[2], "F----E---------|D|");
    board.handedness = 'l';
    EXPECT_EQ(Draw()[2], "  |D|---------E----F");
}

TEST_F(Fretboard, VerticalBoardHasANoteLineAndAWireLinePerFret)
{
    board.orientation = 'd';
    EXPECT_EQ(Draw(), (Lines{"  G--D  ", "  +--+   0", "  |  |  ", "  +--+   1", "  A  E  ", "  +--+   2",
                             "  |  F  ", "  +--+   3"}));
}

TEST_F(Fretboard, MirroredVerticalBoardRunsFromTheLastFretDown)
{
    board.orientation = 'd';
    board.handedness = 'l';
    EXPECT_EQ(Draw(), (Lines{"  +--+   3", "  |  F  ", "  +--+   2", "  A  E  ", "  +--+   1", "  |  |  ",
                             "  +--+   0", "  G--D  "}));
}

TEST_F(Fretboard, VerticalBoardWithoutWiresNumbersTheNoteLines)
{
    board.orientation = 'd';
    board.fretStatus = 'n';
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "  |  |  ");
    EXPECT_EQ(lines[1], "  G--D   0");
    EXPECT_EQ(lines[7], "  |  F   3");
    board.handedness = 'l';
    lines = Draw();
    EXPECT_EQ(lines[0], "  |  F   3");
    EXPECT_EQ(lines[7], "  |  |  ");
}

TEST_F(Fretboard, OpenStringOutsideTheModelShowsABlankAndTheLastNameStaysWhole)
{
    board.SetDefaults("y 2 G# 4 F# 4 G 0 24");
    board.fretCount = 1;
    board.perspective = 'n';
    EXPECT_EQ(Draw()[1], "|-A--| |");
    ShowScale("G", "major");
    board.orientation = 'd';
    EXPECT_EQ(Draw()[0], "  +--F# ");
}

// Three-character names on a vertical board would touch ("C##F##"): the
// cells widen by a column so that a blank stands between neighbours.
TEST_F(Fretboard, VerticalBoardKeepsABlankBetweenThreeCharacterNames)
{
    board.orientation = 'd';
    Lines narrow = Draw();
    ASSERT_FALSE(narrow.empty());
    EXPECT_EQ(narrow[1].size(), 2u + 2 * 3 + 2) << "names of one letter keep three-column cells";
    ShowScale("G#", "harmonic minor");
    board.fretCount = 12;
    Lines lines = Draw();
    bool sawDoubleSharp = false;
    for (const std::string& line : lines) {
        for (std::size_t at = line.find("##"); at != std::string::npos; at = line.find("##", at + 2)) {
            sawDoubleSharp = true;
            ASSERT_LT(at + 2, line.size()) << line;
            // A blank, or the nut's line on the open strings, never the next name.
            EXPECT_TRUE(line[at + 2] == ' ' || line[at + 2] == '-') << line;
        }
    }
    EXPECT_TRUE(sawDoubleSharp) << "G# harmonic minor has F##";
}

TEST_F(Fretboard, LineDrawingGlyphsForSingleAndDoubleStrings)
{
    base.charSet = 2;
    Lines lines = Draw();
    EXPECT_EQ(lines[1], "\xC5\xC4\xC4\xC4\xC4\xC5\xC4" "A\xC4\xC4\xC5\xC4\xC4\xC4\xC4\xC5G\xC5");
    board.stringType = 'd';
    lines = Draw();
    EXPECT_EQ(lines[1], "\xD8\xCD\xCD\xCD\xCD\xD8\xCD" "A\xCD\xCD\xD8\xCD\xCD\xCD\xCD\xD8G\xD8");
    board.orientation = 'd';
    lines = Draw();
    EXPECT_EQ(lines[0], "  G\xC4\xC4" "D  ");
    EXPECT_EQ(lines[1], "  \xD7\xC4\xC4\xD7   0");
    EXPECT_EQ(lines[2], "  \xBA  \xBA  ");
}

TEST_F(Fretboard, AsciiDoubleStringsUseEqualsAcrossAndDashesDown)
{
    board.stringType = 'd';
    EXPECT_EQ(Draw()[1], "|====|=A==|====|G|");
    board.orientation = 'd';
    EXPECT_EQ(Draw()[1], "  +--+   0");
}

TEST_F(Fretboard, TwoOctaveModeReadsTheSpanCellOfTheStringsOctave)
{
    ShowChord("extended", "I9");
    ASSERT_TRUE(model.span[12].Empty());
    ASSERT_EQ(model.span[14].Text(), "D");
    base.chordset = 'f';
    board.SetDefaults("y 2 C 4 C 5 G 0 24");
    board.perspective = 'n';
    board.fretCount = 2;
    Lines lines = Draw();
    // Octave 4 reads cells 0..2, octave 5 cells 12..14: the ninth is upstairs.
    EXPECT_EQ(lines[1], "|----|----|C|");
    EXPECT_EQ(lines[2], "|-D--|----| |");
    base.chordset = 's';
    lines = Draw();
    EXPECT_EQ(lines[1], "|-D--|----| |");
    EXPECT_EQ(lines[2], "|----|----|C|");
}

TEST_F(Fretboard, LivePlaybackShowsTheMarksOfTheSoundingNotes)
{
    model.liveFlag = 1;
    marks[55].Set("G");   // open G string, octave 4
    marks[57].Set("  ");  // blanked when its note stopped
    marks[51].Set("*");   // D#, fret 1 of the D string
    Lines lines = Draw();
    EXPECT_EQ(lines[1], "|----|----|----|G|");
    EXPECT_EQ(lines[2], "|----|----|-*--| |");
}

TEST_F(Fretboard, NotationOfTheInstrumentLabelsTheBoard)
{
    base.notation = 'p';
    EXPECT_EQ(Draw()[1], "|----|-*--|----|*|");
}

TEST_F(Fretboard, FretCountIsBoundedAndTheBoardStaysWhole)
{
    board.fretCount = 100000;
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1].size(), 5u * StringedInstrument::kMaxFrets + 3);
    board.orientation = 'd';
    EXPECT_EQ(Draw().size(), 2u * StringedInstrument::kMaxFrets + 2);
    board.fretCount = -7;
    EXPECT_EQ(Draw().size(), 2u);
}

TEST_F(Fretboard, ThirtyTwoStringsAndFortyEightFretsFitTheGrid)
{
    std::string text = "y 32";
    for (int i = 0; i < 32; ++i)
        text += " E 3";
    board.SetDefaults(text + " G 0 24");
    board.fretCount = 48;
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[1].size(), 245u);
    board.orientation = 'd';
    EXPECT_EQ(Draw().size(), 98u);
}

TEST_F(Fretboard, CapoFretsBelowItAreEmptyItsBarLiesBeforeItsFretAndTheNumbersStay)
{
    board.capo = 2;
    EXPECT_EQ(Draw(), (Lines{"", "|----|-A--#----| |", "|-F--|-E--#----| |", "", " 3    2    1    0   "}));
    board.handedness = 'l';
    EXPECT_EQ(Draw(), (Lines{"", "  | |----#--A-|----|", "  | |----#--E-|--F-|", "", "   0    1    2    3 "}));
}

TEST_F(Fretboard, CapoOnTheFirstFretItsBarIsTheNutsFarSide)
{
    board.capo = 1;
    EXPECT_EQ(Draw()[1], "|----|-A--|----# |");
    board.handedness = 'l';
    EXPECT_EQ(Draw()[1], "  | #----|--A-|----|");
}

TEST_F(Fretboard, CapoAVerticalBoardDrawsItAcrossTheWireLine)
{
    board.capo = 2;
    board.orientation = 'd';
    EXPECT_EQ(Draw(), (Lines{"  +--+  ", "  +--+   0", "  |  |  ", "  #==#   1", "  A  E  ", "  +--+   2",
                             "  |  F  ", "  +--+   3"}));
}

TEST_F(Fretboard, CapoLineDrawingBarsDoubleTheWireAcrossTheStrings)
{
    board.capo = 2;
    base.charSet = 2;
    EXPECT_EQ(Draw()[1], "\xC5\xC4\xC4\xC4\xC4\xC5\xC4" "A\xC4\xC4\xD7\xC4\xC4\xC4\xC4\xC5 \xC5");
    board.stringType = 'd';
    EXPECT_EQ(Draw()[1], "\xD8\xCD\xCD\xCD\xCD\xD8\xCD" "A\xCD\xCD\xCE\xCD\xCD\xCD\xCD\xD8 \xD8");
    board.orientation = 'd';
    EXPECT_EQ(Draw()[3], "  \xCE\xCD\xCD\xCE   1");
    board.stringType = 's';
    EXPECT_EQ(Draw()[3], "  \xD8\xCD\xCD\xD8   1");
}

TEST_F(Fretboard, CapoBeyondTheBoardOrWithoutWiresNothingSoundsOrNoBarIsDrawn)
{
    board.capo = 4;
    EXPECT_EQ(Draw()[1], "|----|----|----| |");
    board.capo = 2;
    board.fretStatus = 'n';
    EXPECT_EQ(Draw()[1], "-----A---------| |");
}

TEST_F(Fretboard, CapoLiveMarksBelowItAreNotShown)
{
    board.capo = 2;
    model.liveFlag = 1;
    marks[55].Set("G");  // the open G string
    marks[57].Set("A");  // fret 2 of the G string
    marks[51].Set("*");  // fret 1 of the D string
    Lines lines = Draw();
    EXPECT_EQ(lines[1], "|----|-A--#----| |");
    EXPECT_EQ(lines[2], "|----|----#----| |");
}

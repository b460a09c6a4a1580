#include "ScriptFixture.h"

using InstrumentCli = ScriptFixture;

TEST_F(InstrumentCli, InstrumentsListsEveryEntryWithItsKind)
{
    ScriptResult result = Cli({"instruments"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("0 2 group: stringed\n", 0), 0u) << result.out;
    EXPECT_NE(result.out.find(" 2 Guitar: y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24\n"), std::string::npos);
    EXPECT_NE(result.out.find(" 5 Alto-Recorder: F 5 G 0 74\n"), std::string::npos);
    EXPECT_EQ(result.out.find("@"), std::string::npos);
}

TEST_F(InstrumentCli, DrawPrintsTheBoardWithTheChoicesApplied)
{
    ScriptResult result = Cli({"draw", "Guitar", "--ascii", "--set", "fretCount=3", "--set", "perspective=n",
                               "--key", "G", "--set", "handedness=l"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "\n"
                          "  |E|----|-F#-|--G-|\n"
                          "  |A|----|--B-|--C-|\n"
                          "  |D|----|--E-|----|\n"
                          "  |G|----|--A-|----|\n"
                          "  |B|--C-|----|--D-|\n"
                          "  |E|----|-F#-|--G-|\n"
                          "\n"
                          "   0    1    2    3 \n");
}

TEST_F(InstrumentCli, DrawTurnsLineDrawingBytesIntoBoxDrawingCharacters)
{
    ScriptResult result = Cli({"draw", "Violin", "--set", "fretCount=1", "--chord", "2"});
    ASSERT_EQ(result.status, 0) << result.err;
    // Frets hidden, mirrored by default: the open strings then one five-character fret.
    EXPECT_NE(result.out.find("  \u253CE\u253C\u2500\u2500\u2500\u2500\u2500\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("  \u253C \u253C\u2500\u2500\u2500\u2500\u2500\n"), std::string::npos) << result.out;
}

TEST_F(InstrumentCli, DrawRefusesWhatItCannotDraw)
{
    ScriptResult surface = Cli({"draw", "Guitar", "--surface"});
    EXPECT_EQ(surface.status, 2);
    EXPECT_NE(surface.err.find("has no graph view"), std::string::npos) << surface.err;
    EXPECT_EQ(Cli({"draw", "Banjo-7-String"}).status, 2);
    ScriptResult field = Cli({"draw", "Guitar", "--set", "fretCount=100"});
    EXPECT_EQ(field.status, 2);
    EXPECT_NE(field.err.find("fretCount takes a whole number from 0 to 99"), std::string::npos) << field.err;
    EXPECT_EQ(Cli({"draw", "Alto-Recorder", "--set", "orientation=d"}).status, 2);
    EXPECT_EQ(Cli({"draw", "Guitar", "--chordset", "x"}).status, 2);
    EXPECT_EQ(Cli({"draw"}).status, 2);
}

// Chord tones by name unless interval numbers are asked for: the model's
// with --chord-tones, an instrument's own with --set chordTones.
TEST_F(InstrumentCli, ChordTonesAreNamedUnlessNumbersAreAskedFor)
{
    ScriptResult names = Cli({"report", "--chord-name", "7"});
    EXPECT_NE(names.out.find("Pattern:  C, , , , E, , , G, , , Bb, , , "), std::string::npos) << names.out;
    ScriptResult numbers = Cli({"report", "--chord-name", "7", "--chord-tones", "i"});
    EXPECT_NE(numbers.out.find("Pattern:  C, , , , 3, , , 5, , , 7, , , "), std::string::npos) << numbers.out;
    EXPECT_EQ(Cli({"report", "--chord-tones", "x"}).status, 2);

    ScriptResult board = Cli({"draw", "Keyboard-25", "--chord-name", "7", "--ascii"});
    ScriptResult numbered = Cli({"draw", "Keyboard-25", "--chord-name", "7", "--ascii", "--set", "chordTones=i"});
    EXPECT_NE(board.out.find("| C |   | E |   | G |"), std::string::npos) << board.out;
    EXPECT_NE(numbered.out.find("| C |   | 3 |   | 5 |"), std::string::npos) << numbered.out;
}

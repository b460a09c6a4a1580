#include "InstrumentFixture.h"

#include "instruments/InstrumentSummary.h"
#include "instruments/StringTuning.h"
#include "instruments/StringedInstrument.h"

namespace {

constexpr const char* kGuitar = "y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24";

} // namespace

using CapoState = InstrumentFixture;

TEST_F(CapoState, StateStringsCarryItAndOldOnesReadWithout)
{
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    const std::string plain = board.FormatState();
    EXPECT_EQ(plain, "_Stringed 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24 22 s y r a r");
    board.capo = 3;
    EXPECT_EQ(board.FormatState(), plain + " _Capo 3");

    StringedInstrument read;
    ASSERT_TRUE(read.ParseState(base.FormatVanillaState() + board.FormatState(), speller));
    EXPECT_EQ(read.capo, 3);
    ASSERT_TRUE(read.ParseState(base.FormatVanillaState() + plain, speller));
    EXPECT_EQ(read.capo, 0);
    // Only a "_Capo" after the instrument's part counts, and it stays on the board.
    ASSERT_TRUE(read.ParseState("_Capo 4 " + plain, speller));
    EXPECT_EQ(read.capo, 0);
    ASSERT_TRUE(read.ParseState(plain + " _Capo 100000", speller));
    EXPECT_EQ(read.capo, StringedInstrument::kMaxFrets);
    ASSERT_TRUE(read.ParseState(plain + " _Capo -4", speller));
    EXPECT_EQ(read.capo, 0);
    ASSERT_TRUE(read.ParseState(plain + " _CapoX 4", speller));
    EXPECT_EQ(read.capo, 0);
}

// A tagged word where a one-letter choice stands is not taken as the
// choice: written back, it would end the part early and lose a string.
// The text is one the state fuzzer found.
TEST_F(CapoState, ATaggedWordIsNeverAChoice)
{
    const char found[] = "_Stringed y 6\001\000\000\001\000\000\000\000 D 4 G -12  1100 .14 2 2 255 12 8  Li0 1 "
                         "25\001\000`0\0004000\343\000T _2S";
    StringedInstrument read;
    ASSERT_TRUE(read.ParseState(std::string_view(found, sizeof found - 1), speller));
    const std::string again = read.FormatState();
    EXPECT_EQ(again.find(" _"), std::string::npos) << again;
    StringedInstrument reread;
    ASSERT_TRUE(reread.ParseState(again, speller));
    EXPECT_EQ(reread.stringCount, read.stringCount);
    EXPECT_EQ(reread.FormatState(), again);
}

TEST_F(CapoState, TheProfileKeepsItAndTheCatalogueResetsIt)
{
    MapSettings settings;
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    board.capo = 5;
    board.SaveSettings(settings, "Guitar");
    EXPECT_EQ(settings.values["Guitar/Capo"], "5");
    StringedInstrument read;
    ASSERT_TRUE(read.LoadSettings(settings, "Guitar"));
    EXPECT_EQ(read.capo, 5);
    settings.values.erase("Guitar/Capo");
    ASSERT_TRUE(read.LoadSettings(settings, "Guitar"));
    EXPECT_EQ(read.capo, 0);
    settings.values["Guitar/Capo"] = "-2";
    ASSERT_TRUE(read.LoadSettings(settings, "Guitar"));
    EXPECT_EQ(read.capo, 0);
    read.capo = 7;
    read.SetDefaults(kGuitar);
    EXPECT_EQ(read.capo, 0);
}

TEST_F(CapoState, TheSummarySaysWhereItIsAndNamesNoFretBelowIt)
{
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    board.fretCount = 4;
    board.capo = 2;
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, marks);
    EXPECT_EQ(StringedMarks(board, sources, speller),
              "capo at fret 2; string 6 frets 3; string 5 frets 2, 3; string 4 frets 2, 3; "
              "string 3 frets 2, 4; string 2 frets 3; string 1 frets 3");
}

using Tuning = InstrumentFixture;

TEST_F(Tuning, ReadsANoteAndAnOctavePerStringAndFormatsThemBack)
{
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    EXPECT_EQ(FormatTuning(board), "E-3  A-3  D-4  G-4  B-4  E-5");
    std::string problem;
    ASSERT_TRUE(ReadTuning("D-3, A-3 D-4  G-4,B-4 Eb-5", speller, board, problem)) << problem;
    EXPECT_EQ(FormatTuning(board), "D-3  A-3  D-4  G-4  B-4  Eb-5");
    EXPECT_EQ(board.FormatState(), "_Stringed 6 D 3 A 3 D 4 G 4 B 4 Eb 5 G -12 24 22 s y r a r");
}

TEST_F(Tuning, RefusesWrongCountsNotesAndOctavesChangingNothing)
{
    StringedInstrument board;
    board.SetDefaults("y 2 G 4 D 4 G 0 24");
    const std::string before = board.FormatState();
    std::string problem;
    EXPECT_FALSE(ReadTuning("G-4", speller, board, problem));
    EXPECT_EQ(problem, "Please give each of the 2 strings a note and an octave, such as G-4  D-4.");
    EXPECT_FALSE(ReadTuning("G-4 D-4 A-4", speller, board, problem));
    for (const char* wrong : {"H-4", "G4", "-4", "G-", "G-11", "G--1", "G-4x", "Gb#-4"}) {
        EXPECT_FALSE(ReadTuning(std::string("A-3 ") + wrong, speller, board, problem)) << wrong;
        EXPECT_EQ(problem, "\"" + std::string(wrong) + "\" is not a note and an octave from 0 to 10, such as E-3.");
    }
    EXPECT_EQ(board.FormatState(), before);
    EXPECT_TRUE(ReadTuning("C-0 G-10", speller, board, problem));
}

#include "InstrumentFixture.h"

#include <tuple>

#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"

namespace {

const char* kGuitar = "y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24";

std::vector<std::string> Tunings(const StringedInstrument& board)
{
    std::vector<std::string> names;
    for (int i = 0; i < board.stringCount; ++i)
        names.emplace_back(board.tunings[static_cast<std::size_t>(i)].Text());
    return names;
}

bool SameStringed(const StringedInstrument& a, const StringedInstrument& b)
{
    return a.FormatState() == b.FormatState();
}

} // namespace

using StringedState = InstrumentFixture;

TEST_F(StringedState, CatalogueTextGivesTheFieldsAndTheDrawingDefaults)
{
    StringedInstrument board;
    board.handedness = 'l';
    board.fretCount = 5;
    board.SetDefaults(kGuitar);
    EXPECT_EQ(board.stringCount, 6);
    EXPECT_EQ(Tunings(board), (std::vector<std::string>{"E", "A", "D", "G", "B", "E"}));
    EXPECT_EQ(board.octaves[0], 3);
    EXPECT_EQ(board.octaves[5], 5);
    EXPECT_EQ(board.clef, 'G');
    EXPECT_EQ(board.written, -12);
    EXPECT_EQ(board.voice, 24);
    EXPECT_EQ(board.fretStatus, 'y');
    EXPECT_EQ(board.handedness, 'r');
    EXPECT_EQ(board.perspective, 'r');
    EXPECT_EQ(board.fretCount, 22);
    EXPECT_EQ(board.orientation, 'a');
    EXPECT_EQ(board.stringType, 's');
}

TEST_F(StringedState, FormatsTheStringListAndChoices)
{
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    EXPECT_EQ(board.FormatState(), "_Stringed 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24 22 s y r a r");
}

TEST_F(StringedState, RoundTripsBehindTheCommonPart)
{
    StringedInstrument board;
    board.SetDefaults("n 4 F# 2 Bb 2 D 3 G 3 F 0 43");
    board.fretCount = 48;
    board.orientation = 'd';
    board.handedness = 'l';
    board.stringType = 'd';
    std::string text = base.FormatVanillaState() + board.FormatState();
    StringedInstrument read;
    ASSERT_TRUE(read.ParseState(text, speller));
    EXPECT_TRUE(SameStringed(read, board)) << read.FormatState();
}

TEST_F(StringedState, UnknownTuningNamesBecomeC)
{
    StringedInstrument read;
    ASSERT_TRUE(read.ParseState("_Stringed 3 H 4 E#x 4 Db 5 G 0 24 22 s y r a r", speller));
    EXPECT_EQ(Tunings(read), (std::vector<std::string>{"C", "C", "Db"}));
    EXPECT_EQ(read.octaves[1], 4);
}

TEST_F(StringedState, RefusesMissingOrMisspelledTagsAndCountsThatDoNotFit)
{
    StringedInstrument board;
    board.SetDefaults(kGuitar);
    const std::string before = board.FormatState();
    for (const char* text : {"_Vanilla e c t", "_StringedX 2 C 4 C 4 G 0 24 22 s y r a r",
                             "_Stringed 33 C 4 G 0 24 22 s y r a r", "_Stringed 99999999999 C 4",
                             "_Stringed -2 C 4 G 0 24 22 s y r a r"}) {
        EXPECT_FALSE(board.ParseState(text, speller)) << text;
        EXPECT_EQ(board.FormatState(), before) << text;
    }
}

TEST_F(StringedState, FretCountFromALayoutIsBounded)
{
    StringedInstrument read;
    ASSERT_TRUE(read.ParseState("_Stringed 1 E 3 G 0 24 2147483647 s y r a r", speller));
    EXPECT_EQ(read.fretCount, StringedInstrument::kMaxFrets);
    ASSERT_TRUE(read.ParseState("_Stringed 1 E 3 G 0 24 -5 s y r a r", speller));
    EXPECT_EQ(read.fretCount, 0);
}

TEST_F(StringedState, CatalogueTextBeyondThirtyTwoStringsKeepsThirtyTwoAndReadsOn)
{
    std::string text = "y 40";
    for (int i = 0; i < 40; ++i)
        text += " A " + std::to_string(i);
    StringedInstrument board;
    board.SetDefaults(text + " F -12 33");
    EXPECT_EQ(board.stringCount, 32);
    EXPECT_EQ(board.octaves[31], 31);
    EXPECT_EQ(board.clef, 'F');
    EXPECT_EQ(board.written, -12);
    EXPECT_EQ(board.voice, 33);
    board.SetDefaults("y -3");
    EXPECT_EQ(board.stringCount, 0);
    board.SetDefaults("y 2147483647 E 3 A 3 G 0 24");
    EXPECT_EQ(board.stringCount, 2);
    EXPECT_EQ(board.tunings[1].Text(), "A");
}

// A count above the strings listed never invents strings (they drew as C at
// octave 0 and were written back): the listed ones are the instrument.
TEST_F(StringedState, ACountAboveTheListedStringsTakesTheListedOnes)
{
    StringedInstrument board;
    board.SetDefaults("y 6 E 3 A 3 D 4 G 4 G -12 24");
    EXPECT_EQ(Tunings(board), (std::vector<std::string>{"E", "A", "D", "G"}));
    EXPECT_EQ(std::make_tuple(board.clef, board.written, board.voice), std::make_tuple('G', -12, 24));
    EXPECT_EQ(CountCatalogueStrings("y 6 E 3 A 3 D 4 G 4 G -12 24").listed, 4);
    EXPECT_EQ(CountCatalogueStrings("y 6 E 3 A 3 D 4 G 4 G -12 24").declared, 6);
    EXPECT_EQ(CountCatalogueStrings(kGuitar).listed, 6);

    StringedInstrument read;
    ASSERT_TRUE(read.ParseState("_Stringed 6 E 3 A 3 G -12 24 22 s y r a r", speller));
    EXPECT_EQ(read.FormatState(), "_Stringed 2 E 3 A 3 G -12 24 22 s y r a r");
    ASSERT_TRUE(read.ParseState("_Stringed 2 E 3 A 3 G -12 24 22 s y r a r _Later part", speller));
    EXPECT_EQ(read.stringCount, 2) << "a part after it is not taken for strings";
}

TEST_F(StringedState, ProfileRoundTripsAndAnAbsentOrOversizedOneIsRefused)
{
    MapSettings settings;
    StringedInstrument board;
    EXPECT_FALSE(board.LoadSettings(settings, "Guitar"));
    board.SetDefaults(kGuitar);
    board.perspective = 'n';
    board.fretCount = 12;
    board.SaveSettings(settings, "Guitar");
    EXPECT_EQ(settings.values["Guitar/Tuning6"], "E");
    EXPECT_EQ(settings.values["Guitar/Fretstat"], "y");
    StringedInstrument read;
    ASSERT_TRUE(read.LoadSettings(settings, "Guitar"));
    EXPECT_TRUE(SameStringed(read, board)) << read.FormatState();

    settings.values["Guitar/N"] = "33";
    EXPECT_FALSE(read.LoadSettings(settings, "Guitar"));
    EXPECT_TRUE(SameStringed(read, board));
    settings.values["Guitar/N"] = "7";
    settings.values["Guitar/FretCount"] = "1000000";
    ASSERT_TRUE(read.LoadSettings(settings, "Guitar"));
    EXPECT_EQ(read.fretCount, StringedInstrument::kMaxFrets);
    EXPECT_EQ(read.tunings[6].Text(), "C");
    EXPECT_EQ(read.octaves[6], 5);
}

using RecorderState = InstrumentFixture;

TEST_F(RecorderState, CatalogueTextStateAndProfileRoundTrip)
{
    WindInstrument recorder;
    recorder.SetDefaults("F 5 G 0 74");
    EXPECT_EQ(recorder.FormatState(), "_Recorder F 5 G 0 74");
    WindInstrument read;
    ASSERT_TRUE(read.ParseState(base.FormatVanillaState() + recorder.FormatState(), speller));
    EXPECT_EQ(read.FormatState(), recorder.FormatState());

    MapSettings settings;
    EXPECT_FALSE(read.LoadSettings(settings, "Alto"));
    recorder.SetDefaults("Bb 4 F 12 75");
    recorder.SaveSettings(settings, "Alto");
    ASSERT_TRUE(read.LoadSettings(settings, "Alto"));
    EXPECT_EQ(read.FormatState(), "_Recorder Bb 4 F 12 75");
}

TEST_F(RecorderState, UnknownTuningBecomesCAndBadTagsAreRefused)
{
    WindInstrument read;
    ASSERT_TRUE(read.ParseState("_Recorder Xb 6 G 12 74", speller));
    EXPECT_EQ(read.tuning.Text(), "C");
    EXPECT_EQ(read.octave, 6);
    read.SetDefaults("F 5 G 0 74");
    EXPECT_FALSE(read.ParseState("_RecorderS F 6 G 0 74", speller));
    EXPECT_FALSE(read.ParseState("_Stringed 1 C 4", speller));
    EXPECT_EQ(read.FormatState(), "_Recorder F 5 G 0 74");
}

#include "HarmonyFixture.h"

#include "harmony/Notation.h"

using SpellChord = HarmonyFixture;

namespace {

std::vector<std::string> SpanTexts(const NoteSpan& span)
{
    std::vector<std::string> texts;
    for (const NoteCell& cell : span)
        texts.emplace_back(cell.Text());
    return texts;
}

int Filled(const NoteSpan& span)
{
    int count = 0;
    for (const NoteCell& cell : span)
        count += cell.Empty() ? 0 : 1;
    return count;
}

} // namespace

TEST_F(SpellChord, DegreesPickScaleTonesCountedFromTheTonic)
{
    Show("C", "major");
    model.chordName = "1-3-5-7 I7";
    model.ComputeNotes();
    std::vector<std::string> expected{"C", "", "", "", "E", "", "", "G", "", "", "", "B", ""};
    EXPECT_EQ(Texts(model.labels), expected);
    EXPECT_EQ(model.span[11].Text(), "B");
    EXPECT_TRUE(model.span[12].Empty());
}

TEST_F(SpellChord, DegreesFollowThePentatonicScale)
{
    Show("C", "major pentatonic");
    model.chordName = "1-3-5";
    model.ComputeNotes();
    std::vector<std::string> expected{"C", "", "", "", "E", "", "", "", "", "A", "", "", ""};
    EXPECT_EQ(Texts(model.labels), expected);
}

TEST_F(SpellChord, DegreesAboveTheOctaveGoToTheUpperSpan)
{
    Show("C", "major");
    model.chordName = "5-7-9";
    model.ComputeNotes();
    EXPECT_EQ(model.labels[2].Text(), "D");
    EXPECT_EQ(model.span[14].Text(), "D");
    EXPECT_TRUE(model.span[2].Empty());
    EXPECT_EQ(model.span[7].Text(), "G");
}

TEST_F(SpellChord, AddedNinthLandsInChordCellTwoAndSpanCellFourteen)
{
    model.chordTones = ChordTones::kIntervals;
    Show("C", "major");
    model.chordName = "1-3-5-7,9 maj 9th";
    model.ComputeNotes();
    EXPECT_EQ(model.labels[2].Text(), "9");
    EXPECT_EQ(model.span[14].Text(), "9");
    EXPECT_EQ(model.labels[11].Text(), "B");
}

TEST_F(SpellChord, AddedIntervalQualitiesGiveTheirSemitones)
{
    struct Case {
        const char* text;
        std::size_t spanCell;
    };
    const Case cases[] = {
        {"1,2 min", 1},  {"1,2 maj", 2},  {"1,3 min", 3},  {"1,3 maj", 4},   {"1,4 per", 5},
        {"1,4 aug", 6},  {"1,5 dim", 6},  {"1,5 per", 7},  {"1,5 aug", 8},   {"1,6 min", 8},
        {"1,6 maj", 9},  {"1,7 dim", 9},  {"1,7 min", 10}, {"1,7 maj", 11},  {"1,8 per", 12},
        {"1,9 aug", 15}, {"1,11 per", 17}, {"1,13 maj", 21}, {"1,14 maj", 23},
    };
    Show("C", "major");
    for (const Case& c : cases) {
        model.chordName = c.text;
        model.ComputeNotes();
        EXPECT_FALSE(model.span[c.spanCell].Empty()) << c.text;
        EXPECT_EQ(Filled(model.span), 2) << c.text;
        EXPECT_EQ(model.span[0].Text(), "C") << c.text;
    }
}

// From a catalogue of our own: the augmented octave is a semitone above
// the tonic's octave, so it lands in chord cell 1 and span cell 13.
TEST_F(SpellChord, AddedAugmentedOctaveLandsInChordCellOneAndSpanCellThirteen)
{
    CChordCatalog own;
    own.ReadText(" none .\n group wide\n A8 1,8 aug\n @\n");
    CModelState state(speller, scales, own);
    state.SetDefaults();
    state.chordTones = ChordTones::kIntervals;
    state.SelectChord(2);
    state.ComputeNotes();
    EXPECT_EQ(state.labels[1].Text(), "8");
    EXPECT_EQ(state.span[13].Text(), "8");
    EXPECT_TRUE(state.span[1].Empty());
    EXPECT_EQ(state.labels[0].Text(), "C");
}

TEST_F(SpellChord, SeveralAddedIntervalsNeedACommaAfterTheQuality)
{
    model.chordTones = ChordTones::kIntervals;
    Show("C", "major");
    model.chordName = "1,3 min, 5 per, 7 min min7";
    model.ComputeNotes();
    std::vector<std::string> expected{"C", "", "", "3", "", "", "", "5", "", "", "7", "", ""};
    EXPECT_EQ(Texts(model.labels), expected);
    model.chordName = "1,3 min 5 per";
    model.ComputeNotes();
    EXPECT_TRUE(model.labels[7].Empty());
}

TEST_F(SpellChord, ChordIsTakenFromTheRelabelledCells)
{
    Show("C", "major");
    model.notation = 'r';
    model.chordName = "1-3-5";
    model.ComputeNotes();
    EXPECT_EQ(model.labels[0].Text(), "I");
    EXPECT_EQ(model.labels[4].Text(), "III");
    EXPECT_EQ(model.span[7].Text(), "V");
}

TEST_F(SpellChord, NoChordLeavesLabelsAndSpanAlone)
{
    Show("C", "major");
    model.chordName = ".";
    model.ComputeNotes();
    EXPECT_EQ(Texts(model.labels), Texts(model.scaleNotes));
    EXPECT_EQ(model.span[0].Text(), "C");
}

TEST_F(SpellChord, OddDescriptionsStayInsideTheCells)
{
    model.chordTones = ChordTones::kIntervals;
    Show("C", "major");
    const char* texts[] = {"-1", "0-3", "99999999999", "2147483647-5", "1,", "1,,", "1,9", "1,9 maj,",
                           "1,-9 maj", "1,2147483647 aug", "3-1-2", "1,1000 maj", ",5 per", "1-", "1 - 3"};
    for (const char* text : texts) {
        model.chordName = text;
        model.ComputeNotes();
        for (const NoteCell& cell : model.span)
            EXPECT_LE(cell.Text().size(), 3u) << text;
    }
    model.chordName = "1,1000 maj";
    model.ComputeNotes();
    EXPECT_EQ(model.labels[9].Text(), "100");  // a major sixth, cut to three characters
    EXPECT_EQ(model.span[21].Text(), "100");
}

TEST_F(SpellChord, EmptyLabelRowPicksNothing)
{
    model.chordName = "1-3-5";
    NoteRow cells{};
    model.SpellChord(cells, 'e', ChordTones::kNames);
    EXPECT_EQ(SpanTexts(model.span), SpanTexts(NoteSpan{}));
}

// With names (the default) the tones a chord adds by interval are spelled
// as the Notes line spells them, in the letter notations; the numbering
// notations keep the numbers and positions mark a "*".
TEST_F(SpellChord, AddedIntervalsByNameAreSpelledAsTheNotesLine)
{
    Show("C", "major");
    model.chordName = "1,3 maj, 5 per, 7 min 7";
    model.ComputeNotes();
    std::vector<std::string> expected{"C", "", "", "", "E", "", "", "G", "", "", "Bb", "", ""};
    EXPECT_EQ(Texts(model.labels), expected);
    EXPECT_EQ(model.span[10].Text(), "Bb");
    EXPECT_EQ(model.ChordNoteNames(), "C E G Bb");

    Show("Db", "major");
    model.chordName = "1,3 min, 5 dim, 7 dim dim7";
    model.ComputeNotes();
    EXPECT_EQ(model.labels[9].Text(), "Cbb") << "the diminished seventh of Db";
    model.notation = 'c';
    model.ComputeNotes();
    EXPECT_EQ(model.labels[9].Text(), "CB");
    model.notation = 'p';
    model.ComputeNotes();
    EXPECT_EQ(model.labels[3].Text(), "*");
    model.notation = 'n';
    model.ComputeNotes();
    EXPECT_EQ(model.labels[3].Text(), "3");
    model.notation = 'v';
    model.ComputeNotes();
    EXPECT_EQ(model.labels[3].Text(), "Fab") << "Fb, the minor third of Db, as a syllable";
}

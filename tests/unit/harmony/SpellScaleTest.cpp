#include "HarmonyFixture.h"

#include "harmony/Keys.h"

#include <set>

using SpellScale = HarmonyFixture;

TEST_F(SpellScale, CMajorFillsTheScaleCells)
{
    Show("C", "major");
    std::vector<std::string> expected{"C", "", "D", "", "E", "F", "", "G", "", "A", "", "B", "C"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
    EXPECT_EQ(model.noteCount, 7);
}

TEST_F(SpellScale, FMajorRespellsItsFourthAndTurnsToFlats)
{
    Show("F", "major");
    EXPECT_EQ(model.scaleNotes[5].Text(), "Bb");
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.variant, 0);
}

TEST_F(SpellScale, FSharpMajorTakesESharpFromTheAlternativeRow)
{
    Show("F#", "major");
    EXPECT_EQ(model.scaleNotes[11].Text(), "E#");
    EXPECT_EQ(model.variant, 1);
    std::vector<std::string> expected{"F#", "", "G#", "", "A#", "B", "", "C#", "", "D#", "", "E#", "F#"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
}

TEST_F(SpellScale, HarmonicMinorKeepsTheRaisedSeventh)
{
    Show("A", "harmonic minor");
    EXPECT_EQ(model.scaleNotes[11].Text(), "G#");
    EXPECT_EQ(model.scaleNotes[8].Text(), "F");
}

TEST_F(SpellScale, PentatonicSkipsALetterAcrossAMinorThird)
{
    Show("C", "major pentatonic");
    std::vector<std::string> expected{"C", "", "D", "", "E", "", "", "G", "", "A", "", "", "C"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
}

TEST_F(SpellScale, ChromaticKeepsPlainNamesAndLeavesSpan)
{
    Show("C", "major");
    NoteSpan before = model.span;
    Show("Db", "chromatic");
    EXPECT_EQ(model.noteCount, 12);
    EXPECT_EQ(model.scaleNotes[1].Text(), "D");
    EXPECT_EQ(model.scaleNotes[3].Text(), "E");
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.span, before);
}

TEST_F(SpellScale, SpanHoldsTheScaleInItsFirstOctaveOnly)
{
    Show("G", "major");
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(model.span[i], model.scaleNotes[i]);
    for (std::size_t i = 12; i < 25; ++i)
        EXPECT_TRUE(model.span[i].Empty());
}

TEST_F(SpellScale, StepsBeyondTheOctaveAreDropped)
{
    model.steps = {5, 5, 5, 5, 0};
    model.SpellScale();
    EXPECT_EQ(model.scaleNotes[5].Text(), "F");
    EXPECT_EQ(model.scaleNotes[10].Text(), "A#");
    EXPECT_EQ(model.noteCount, 2);

    model.steps = {-3, 0};
    model.SpellScale();
    EXPECT_EQ(model.noteCount, 0);
    EXPECT_EQ(model.scaleNotes[0].Text(), "C");

    model.steps = {2147483647, 2147483647, 2147483647, 1};
    model.SpellScale();
    EXPECT_EQ(model.noteCount, 0);
}

namespace {

// True when every degree of the scale can take the letter that follows the
// previous degree's, using some row of the note table.
bool OneLetterPerDegreeExists(const CNoteSpeller& speller, const CModelState& model)
{
    char letter = model.keyName[0];
    for (std::size_t i = 1; i < 12; ++i) {
        if (model.scaleNotes[i].Empty())
            continue;
        letter = letter == 'G' ? 'A' : static_cast<char>(letter + 1);
        bool found = false;
        for (int a = 0; a < 2; ++a)
            for (int v = 0; v < 2; ++v)
                found = found || speller.GetName(a, v, (model.tonic + static_cast<int>(i)) % 12)[0] == letter;
        if (!found)
            return false;
    }
    return true;
}

// The respelling rule deliberately breaks one-letter-per-degree in two
// places: three tones a semitone apart share a letter, and a minor third
// not followed by a semitone skips one (meant for pentatonic scales).
bool SharesOrSkipsLetters(const CModelState& model)
{
    std::vector<int> cells;
    for (int i = 0; i <= 12; ++i)
        if (!model.scaleNotes[static_cast<std::size_t>(i)].Empty())
            cells.push_back(i);
    for (std::size_t j = 1; j < cells.size(); ++j) {
        if (j >= 2 && cells[j] - cells[j - 2] == 2 && cells[j] < 12)
            return true;
        if (cells[j] - cells[j - 1] == 3 && cells[j] < 12 && model.scaleNotes[static_cast<std::size_t>(cells[j] + 1)].Empty())
            return true;
    }
    return false;
}

} // namespace

// For every key and every seven-note scale that the note table can spell
// with one letter per degree, the spelling uses each letter exactly once.
TEST_F(SpellScale, SevenNoteScalesUseEachLetterOnceWhereTheTableAllows)
{
    int checked = 0;
    for (int index = 0; index < CScaleCatalog::kCapacity; ++index) {
        const ScaleRecord& record = scales.Record(index);
        if (record.childCount != 1 || record.depth < 0)
            continue;
        model.SelectScale(index);
        if (model.noteCount != 7)
            continue;
        for (const KeyCommand& key : kKeyCommands) {
            ASSERT_TRUE(model.SelectKey(key.name));
            model.ComputeNotes();
            if (SharesOrSkipsLetters(model) || !OneLetterPerDegreeExists(speller, model))
                continue;
            ++checked;
            int previous = model.scaleNotes[0].bytes[0];
            for (std::size_t i = 1; i < 12; ++i)
                if (!model.scaleNotes[i].Empty()) {
                    int letter = model.scaleNotes[i].bytes[0];
                    EXPECT_EQ((letter - previous + 7) % 7, 1)
                        << key.name << " " << model.scaleName << " cell " << i;
                    previous = letter;
                }
        }
    }
    EXPECT_GT(checked, 17 * 30);
}

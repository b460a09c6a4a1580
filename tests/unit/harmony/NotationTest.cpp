#include "HarmonyFixture.h"

#include "harmony/Notation.h"

using NotationMethods = HarmonyFixture;

namespace {

std::vector<std::string> Label(CModelState& model, char notation)
{
    NoteRow out{};
    model.LabelNotes(notation, ChordTones::kIntervals, out);
    std::vector<std::string> texts;
    for (const NoteCell& cell : out)
        texts.emplace_back(cell.Text());
    return texts;
}

} // namespace

TEST_F(NotationMethods, ExtendedAndUnknownCodesKeepLetterNames)
{
    Show("Eb", "major");
    EXPECT_EQ(Label(model, 'e'), Texts(model.scaleNotes));
    EXPECT_EQ(Label(model, 'x'), Texts(model.scaleNotes));
}

TEST_F(NotationMethods, CondensedShortensThreeCharacterNamesInsideTheOctave)
{
    model.scaleNotes = {};
    model.scaleNotes[0].Set("Dbb");
    model.scaleNotes[2].Set("Dbb");
    model.scaleNotes[3].Set("F##");
    model.scaleNotes[4].Set("Ab");
    model.scaleNotes[12].Set("Dbb");
    NoteRow out{};
    ApplyNotation('c', model.scaleNotes, 7, speller, out);
    EXPECT_EQ(out[0].Text(), "Dbb");
    EXPECT_EQ(out[2].Text(), "DB");
    EXPECT_EQ(out[3].Text(), "F%");
    EXPECT_EQ(out[4].Text(), "Ab");
    EXPECT_EQ(out[12].Text(), "Dbb");
}

TEST_F(NotationMethods, PositionsMarkScaleTonesButNotTheOctave)
{
    Show("C", "major");
    std::vector<std::string> expected{"*", "", "*", "", "*", "*", "", "*", "", "*", "", "*", "C"};
    EXPECT_EQ(Label(model, 'p'), expected);
}

TEST_F(NotationMethods, EnumeratedAndRomanNumberTheDegrees)
{
    Show("D", "major");
    std::vector<std::string> numbers{"1", "", "2", "", "3", "4", "", "5", "", "6", "", "7", "D"};
    EXPECT_EQ(Label(model, 'n'), numbers);
    std::vector<std::string> roman{"I", "", "II", "", "III", "IV", "", "V", "", "VI", "", "VII", "D"};
    EXPECT_EQ(Label(model, 'r'), roman);
}

TEST_F(NotationMethods, DenseScalesAreNumberedByPosition)
{
    Show("C", "chromatic");
    std::vector<std::string> numbers{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "C"};
    EXPECT_EQ(Label(model, 'n'), numbers);
    std::vector<std::string> roman{"I", "II", "III", "IV", "V", "VI", "VII", "IIX", "IX", "X", "XI", "XII", "C"};
    EXPECT_EQ(Label(model, 'r'), roman);
}

TEST_F(NotationMethods, ChromaticNumberingIgnoresTheLetters)
{
    Show("C", "major");
    std::vector<std::string> numbers{"1", "", "3", "", "5", "6", "", "8", "", "10", "", "12", "C"};
    EXPECT_EQ(Label(model, 'h'), numbers);
}

TEST_F(NotationMethods, DegreesFollowLettersSoSharedLettersShareANumber)
{
    Show("C", "dominant bebop");
    std::vector<std::string> labels = Label(model, 'n');
    EXPECT_EQ(labels[10], "7");  // Bb
    EXPECT_EQ(labels[11], "7");  // B

    NoteRow notes{};
    notes[0].Set("C");
    notes[11].Set("Cb");
    NoteRow out{};
    ApplyNotation('n', notes, 7, speller, out);
    EXPECT_EQ(out[11].Text(), "8");
}

TEST_F(NotationMethods, VoicedIsFixedDoIncludingTheOctave)
{
    Show("D", "major");
    std::vector<std::string> expected{"Re", "", "Mi", "", "Fad", "So", "", "La", "", "Ti", "", "Dod", "Re"};
    EXPECT_EQ(Label(model, 'v'), expected);
    Show("F#", "major");
    EXPECT_EQ(Label(model, 'v')[11], "Mid");
    Show("Gb", "major");
    EXPECT_EQ(Label(model, 'v')[5], "Dob");
}

TEST_F(NotationMethods, RelabellingTheScaleRowInPlaceStillReadsTheNames)
{
    Show("D", "major");
    NoteRow expected{};
    ApplyNotation('v', model.scaleNotes, model.noteCount, speller, expected);
    ApplyNotation('v', model.scaleNotes, model.noteCount, speller, model.scaleNotes);
    EXPECT_EQ(model.scaleNotes, expected);
}

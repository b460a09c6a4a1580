#include "InstrumentFixture.h"

#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardLayout.h"
#include "instruments/KeyboardText.h"

namespace {

using Lines = std::vector<std::string>;

class KeyboardText : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        keyboard.SetDefaults("13 C 5 G 0 0");
    }

    Lines Draw()
    {
        DrawKeyboardText(keyboard, model, marks, speller, base);
        return DrawnLines();
    }

    // Column j of the horizontal keyboard, top line first.
    static std::string Column(const Lines& lines, std::size_t j)
    {
        std::string column;
        for (const std::string& line : lines)
            column += line.at(j);
        return column;
    }

    KeyboardInstrument keyboard;
};

} // namespace

TEST_F(KeyboardText, ThirteenAsciiKeysWithTranslucentBlackKeys)
{
    keyboard.topKey = 't';
    Lines expected = {
        std::string(33, '_'),
        "|  |-| |-|  |  |-| |-| |-|  |  |-",
        "|  |-| |-|  |  |-| |-| |-|  |  |-",
        "|  |-| |-|  |  |-| |-| |-|  |  |-",
        "|  |-| |-|  |  |-| |-| |-|  |  |-",
        "|  |-| |-|  |  |-| |-| |-|  |  |-",
        "|  |_| |_|  |  |_| |_| |_|  |  |_",
        "|   |   |   |   |   |   |   |   |",
        "|   |   |   |   |   |   |   |   |",
        "| C | D | E | F | G | A | B | C |",
        "|   |   |   |   |   |   |   |   |",
        std::string(33, '-'),
    };
    EXPECT_EQ(Draw(), expected);
}

TEST_F(KeyboardText, BlackKeysFollowTopKey)
{
    keyboard.topKey = 'o';
    EXPECT_EQ(Draw()[1].substr(0, 6), "|  |=|");
    keyboard.topKey = 'c';
    EXPECT_EQ(Draw()[1].substr(0, 6), "|  | |");
    base.charSet = 2;
    keyboard.topKey = 't';
    EXPECT_EQ(Draw()[1].substr(0, 6), "\xB3  \xB3\xB2\xB3");
}

TEST_F(KeyboardText, KeyboardsFromDStartWithHalfABlackKeyAndFromFWithout)
{
    ASSERT_TRUE(model.SelectKey("D"));
    model.ComputeNotes();
    keyboard.position = 'm';
    keyboard.keyCount = 5;
    Lines fromD = Draw();
    EXPECT_EQ(Column(fromD, 0), "_=====_||||-");
    EXPECT_EQ(Column(fromD, 2), "_        D -");

    ASSERT_TRUE(model.SelectKey("F"));
    model.ComputeNotes();
    Lines fromF = Draw();
    EXPECT_EQ(Column(fromF, 0), "_||||||||||-");
    EXPECT_EQ(fromF[9].substr(0, 5), "| F |");
}

TEST_F(KeyboardText, AKeyboardFromAStartsWithAnAKeyCarryingItsLabel)
{
    keyboard.tuning = MakeCell("A");
    keyboard.keyCount = 4;
    keyboard.topKey = 't';
    Lines lines = Draw();
    // Half of G# at the edge, A, A#, B and C labelled where they are.
    EXPECT_EQ(Column(lines, 0), "_-----_||||-");
    EXPECT_EQ(lines[9], "| A | B | C |");

    keyboard.position = 'm';
    keyboard.keyCount = 25;
    Lines fromA = Draw();
    keyboard.tuning = MakeCell("C");
    EXPECT_EQ(Draw(), fromA) << "a moving keyboard follows the tonic, whatever its first note";
}

TEST_F(KeyboardText, ClosingColumnFollowsTheKeyAfterTheLast)
{
    keyboard.topKey = 'c';
    for (int octaves : {1, 2, 4}) {
        keyboard.keyCount = 12 * octaves;
        Lines lines = Draw();
        EXPECT_EQ(Column(lines, lines[0].size() - 1), "_||||||||||-") << keyboard.keyCount;
        EXPECT_EQ(lines[0].size(), 28u * octaves + 1);
    }
    keyboard.keyCount = 13;
    Lines lines = Draw();
    EXPECT_EQ(Column(lines, lines[0].size() - 1), "_     _||||-");
}

TEST_F(KeyboardText, NoKeysLeavesTheClosingColumnOnly)
{
    keyboard.keyCount = 0;
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "_");
    EXPECT_EQ(lines[11], "-");
}

TEST_F(KeyboardText, MovingKeyboardStartsTwoSemitonesBelowTheTonic)
{
    keyboard.keyCount = 25;
    keyboard.position = 'm';
    keyboard.topKey = 't';
    Lines lines = Draw();
    // Open template, then A# (label offset 10, not in C major), then B and C.
    EXPECT_EQ(Column(lines, 0), "_||||||    -");
    EXPECT_EQ(Column(lines, 1), "_-----_||||-");
    EXPECT_EQ(lines[9].substr(0, 10), " | B | C |");

    ASSERT_TRUE(model.SelectKey("E"));
    model.ComputeNotes();
    lines = Draw();
    // The layout moves too: now the first key is a D (offset 10, not in E
    // major), and the black key after it reads D# from the top down.
    EXPECT_EQ(Column(lines, 0), "_-----_||||-");
    EXPECT_EQ(Column(lines, 2), "_          -");
    EXPECT_EQ(Column(lines, 4), "_--D#-_||||-");
}

// Labels read from the top down, their last character on the label line:
// F's numeral reads "IV", not "VI".
TEST_F(KeyboardText, LabelsReadFromTheTopDown)
{
    keyboard.keyCount = 12;
    base.notation = 'r';
    Lines lines = Draw();
    // E is III, F is IV: column 10 holds E's label, column 14 F's.
    EXPECT_EQ(Column(lines, 10).substr(7, 3), "III");
    EXPECT_EQ(Column(lines, 14).substr(7, 3), " IV");
}

TEST_F(KeyboardText, SpreadChordLabelsFromTheFirstOrSecondOctave)
{
    ShowChord("triad", "inv1");  // E G and the C an octave up
    keyboard.keyCount = 24;
    base.chordset = 'c';
    EXPECT_EQ(Draw()[9].substr(0, 5), "| C |");
    base.chordset = 'f';
    EXPECT_EQ(Draw()[9].substr(0, 5), "|   |");
    base.chordset = 's';
    EXPECT_EQ(Draw()[9].substr(0, 5), "| C |");
    EXPECT_EQ(Draw()[9].substr(28, 13), "|   |   | E |");
}

TEST_F(KeyboardText, LiveMarksFollowEachKeysMidiNote)
{
    model.liveFlag = 1;
    marks[60].Set("C");
    marks[64].Set("E");
    marks[0].Set("X");
    Lines lines = Draw();
    EXPECT_EQ(lines[9].substr(0, 13), "| C |   | E |");
    EXPECT_EQ(lines[9].find('X'), std::string::npos);
}

TEST_F(KeyboardText, VerticalKeysAreLinesWithLabelsAcross)
{
    keyboard.orientation = 'd';
    keyboard.keyCount = 2;
    keyboard.topKey = 'c';
    Lines lines = Draw();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "|" + std::string(39, '-') + "|");
    EXPECT_EQ(lines[2], "|         C" + std::string(29, ' ') + "|");
    EXPECT_EQ(lines[4], "|" + std::string(19, '-') + "|" + std::string(19, ' ') + "|");
    EXPECT_EQ(lines[5], "|" + std::string(19, ' ') + "+" + std::string(19, '-') + "|");
}

TEST_F(KeyboardText, VerticalBlackKeyLabelsStandAtColumn28)
{
    ASSERT_TRUE(model.SelectKey("F#"));
    model.ComputeNotes();
    keyboard.orientation = 'd';
    keyboard.keyCount = 12;
    Lines lines = Draw();
    // C#, the first black key, is the fifth line and carries "C#".
    EXPECT_EQ(lines[4].substr(28, 2), "C#");
    EXPECT_EQ(lines.back(), "|" + std::string(39, '-') + "|");
}

#include <gtest/gtest.h>

#include "harmony/Keys.h"
#include "harmony/NoteCell.h"
#include "harmony/NoteSpeller.h"

TEST(NoteSpeller, NamesComeFromTheirRowsWithoutPadding)
{
    CNoteSpeller speller;
    EXPECT_EQ(speller.GetName(0, 0, 0), "C");
    EXPECT_EQ(speller.GetName(0, 0, 10), "A#");
    EXPECT_EQ(speller.GetName(0, 1, 1), "B##");
    EXPECT_EQ(speller.GetName(1, 0, 8), "Ab");
    EXPECT_EQ(speller.GetName(1, 1, 0), "Dbb");
    EXPECT_EQ(speller.GetName(1, 1, 11), "Cb");
}

TEST(NoteSpeller, EachResultIsIndependentOfLaterCalls)
{
    CNoteSpeller speller;
    std::string first = speller.GetName(1, 0, 1);
    std::string second = speller.GetName(0, 1, 2);
    EXPECT_EQ(first, "Db");
    EXPECT_EQ(second, "C##");
}

TEST(NoteSpeller, PositionsOutOfRangeFoldIntoTheTable)
{
    CNoteSpeller speller;
    EXPECT_EQ(speller.GetName(0, 0, 12), "C");
    EXPECT_EQ(speller.GetName(0, 0, -1), "B");
    EXPECT_EQ(speller.GetName(3, -1, 1), "Db");
}

TEST(NoteSpeller, FindNameTakesTheFirstMatchInSearchOrder)
{
    CNoteSpeller speller;
    NotePosition position;
    ASSERT_TRUE(speller.FindName("D#", position));  // also in the alternative sharp row
    EXPECT_EQ(position.accidentals, 0);
    EXPECT_EQ(position.variant, 0);
    EXPECT_EQ(position.pitchClass, 3);
    ASSERT_TRUE(speller.FindName("Db", position));  // also in the alternative flat row
    EXPECT_EQ(position.accidentals, 1);
    EXPECT_EQ(position.variant, 0);
    EXPECT_EQ(position.pitchClass, 1);
    ASSERT_TRUE(speller.FindName("E#", position));
    EXPECT_EQ(position.variant, 1);
    EXPECT_EQ(position.pitchClass, 5);
}

TEST(NoteSpeller, FindNameRejectsAnythingNotInTheTable)
{
    CNoteSpeller speller;
    NotePosition position;
    EXPECT_FALSE(speller.FindName("", position));
    EXPECT_FALSE(speller.FindName("H", position));
    EXPECT_FALSE(speller.FindName("C ", position));
    EXPECT_FALSE(speller.FindName("c", position));
    EXPECT_FALSE(speller.FindName("C#####", position));
}

TEST(Keys, EveryKeyIsAPlainRowNameOfItsFamily)
{
    CNoteSpeller speller;
    for (const KeyCommand& key : kKeyCommands) {
        NotePosition position;
        ASSERT_TRUE(speller.FindName(key.name, position)) << key.name;
        EXPECT_EQ(position.variant, 0) << key.name;
        EXPECT_EQ(position.accidentals, key.name.ends_with('b') ? 1 : 0) << key.name;
        EXPECT_EQ(FindKeyCommand(key.commandId), &key);
    }
    EXPECT_EQ(FindKeyCommand(32770), nullptr);
    EXPECT_EQ(FindKeyCommand(32788), nullptr);
    EXPECT_EQ(FindKeyCommand(32773)->prompt, "re bémol");
}

TEST(NoteCell, HoldsAtMostThreeCharacters)
{
    NoteCell cell = MakeCell("Abcdef");
    EXPECT_EQ(cell.Text(), "Abc");
    EXPECT_EQ(cell.bytes[3], '\0');
    cell.Clear();
    EXPECT_TRUE(cell.Empty());
    EXPECT_TRUE(MakeCell("").Empty());
}

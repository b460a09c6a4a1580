#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harmony/ScaleCatalog.h"

namespace {

const char* kSmall =
    "; comment\n"
    " major 1\n"
    "  2 2 1 2 2 2 1\n"
    " minor 2\n"
    "\n"
    "  natural 1\n"
    "; comment between a scale and its step line\n"
    "   2 1 2 2 1 2 2\n"
    "  odd 3\n"
    "   one 1\n"
    "    12\n"
    "   two 1\n"
    "    6 6\n"
    "   empty 0\n"
    "    12\n"
    " last 1\n"
    "  3 -4 5\n"
    " @\n";

} // namespace

TEST(ScaleCatalog, ReadsTreeInPreOrder)
{
    CScaleCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.TopCount(), 3);
    EXPECT_EQ(catalog.GetNodeName(0), "major");
    EXPECT_EQ(catalog.GetFullName(2), "natural minor");
    EXPECT_EQ(catalog.GetFullName(4), "one odd minor");
    EXPECT_EQ(catalog.GetFullName(0), "major");
    EXPECT_EQ(catalog.FindByFullName("natural minor"), 2);
    EXPECT_EQ(catalog.FindByFullName("natural"), -1);
    EXPECT_EQ(catalog.FindByFullName("Major"), -1);
    EXPECT_EQ(catalog.GetNodeName(8), "@");
}

TEST(ScaleCatalog, StepListsEndAtTheFirstValueNotPositive)
{
    CScaleCatalog catalog;
    catalog.ReadText(kSmall);
    int expected[] = {2, 2, 1, 2, 2, 2, 1, 0};
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(catalog.GetStep(0, k), expected[k]);
    EXPECT_EQ(catalog.GetStep(7, 0), 3);
    EXPECT_EQ(catalog.GetStep(7, 1), -4);
    EXPECT_EQ(catalog.GetStep(7, 2), 0);
    EXPECT_EQ(catalog.GetStep(0, 13), 0);
    EXPECT_EQ(catalog.GetStep(200, 0), 0);
}

TEST(ScaleCatalog, StepLineKeepsOnlyThirteenValues)
{
    CScaleCatalog catalog;
    catalog.ReadText(" many 1\n 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n @\n");
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(catalog.GetStep(0, k), 1);
}

TEST(ScaleCatalog, ParentsAndSiblingsFollowTheTree)
{
    CScaleCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.GetParent(0), -1);
    EXPECT_EQ(catalog.GetParent(1), -1);
    EXPECT_EQ(catalog.GetParent(2), 1);
    EXPECT_EQ(catalog.GetParent(6), 3);
    EXPECT_EQ(catalog.NextSibling(0), 1);
    EXPECT_EQ(catalog.NextSibling(1), 7);
    EXPECT_EQ(catalog.NextSibling(3), 7);
    EXPECT_EQ(catalog.GetChildCount(3), 3);
}

TEST(ScaleCatalog, MenuFollowsTheTreeWithRecordIds)
{
    CScaleCatalog catalog;
    catalog.ReadText(kSmall);
    MenuPtr root = catalog.BuildMenu();
    ASSERT_EQ(root->Count(), 3);
    EXPECT_EQ(root->At(0).id, 2112);
    EXPECT_EQ(root->At(1).kind, MenuItem::Kind::Popup);
    EXPECT_EQ(root->At(1).text, "minor");
    EXPECT_EQ(root->At(2).id, 2112 + 7);
    MenuPtr minor = root->At(1).popup;
    ASSERT_EQ(minor->Count(), 2);
    EXPECT_EQ(minor->At(0).id, 2114);
    MenuPtr odd = minor->At(1).popup;
    ASSERT_EQ(odd->Count(), 3);
    // A scale written with count 0 shows as an empty submenu.
    EXPECT_EQ(odd->At(2).kind, MenuItem::Kind::Popup);
    EXPECT_EQ(odd->At(2).popup->Count(), 0);
}

TEST(ScaleCatalog, MissingFileLeavesAnEmptyCatalogue)
{
    CScaleCatalog catalog;
    EXPECT_FALSE(catalog.Load("/nonexistent/SCALES.USE"));
    EXPECT_EQ(catalog.TopCount(), 0);
    EXPECT_EQ(catalog.BuildMenu()->Count(), 0);
    EXPECT_EQ(catalog.FindByFullName("major"), -1);
    EXPECT_EQ(catalog.FindByFullName(""), -1);
}

TEST(ScaleCatalog, EndOfInputActsAsTheTerminator)
{
    CScaleCatalog catalog;
    catalog.ReadText(" major 1\n 2 2 1 2 2 2 1\n group 5\n  a 1\n  12\n");
    EXPECT_EQ(catalog.TopCount(), 2);
    EXPECT_EQ(catalog.GetFullName(2), "a group");
    MenuPtr root = catalog.BuildMenu();
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->At(1).popup->Count(), 1);
}

TEST(ScaleCatalog, TableStopsAtItsSize)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += " s" + std::to_string(i) + " 1\n 12\n";
    CScaleCatalog catalog;
    catalog.ReadText(text);
    EXPECT_EQ(catalog.TopCount(), 128);
    EXPECT_EQ(catalog.GetNodeName(127), "s127");
    EXPECT_EQ(catalog.FindByFullName("s127"), 127);
    EXPECT_EQ(catalog.FindByFullName("s128"), -1);
    EXPECT_EQ(catalog.BuildMenu()->Count(), 128);
}

TEST(ScaleCatalog, LongNamesAndLongLinesAreCut)
{
    std::string longName(40, 'x');
    std::string longLine = " " + std::string(130, 'y') + " 1\n 12\n";
    CScaleCatalog catalog;
    catalog.ReadText(" " + longName + " 1\n 12\n" + longLine + " @\n");
    EXPECT_EQ(catalog.GetNodeName(0), std::string(31, 'x'));
    // The 134-character line arrives as a 127-character piece, whose count
    // reads as 0, and the rest, which is then taken as its step line.
    EXPECT_EQ(catalog.GetNodeName(1), std::string(31, 'y'));
    EXPECT_EQ(catalog.GetChildCount(1), 0);
    EXPECT_EQ(catalog.GetStep(1, 0), 1);
    EXPECT_EQ(catalog.GetNodeName(2), "12");
}

TEST(ScaleCatalog, CarriageReturnLineFeedReadsAsLineFeed)
{
    CScaleCatalog catalog;
    catalog.ReadText("; c\r\n\r\n major 1\r\n 2 2 1 2 2 2 1\r\n @\r\n");
    EXPECT_EQ(catalog.GetNodeName(0), "major");
    EXPECT_EQ(catalog.GetStep(0, 6), 1);
    EXPECT_EQ(catalog.GetStep(0, 7), 0);
}

TEST(ScaleCatalog, MalformedInputNeverBreaksTheLookups)
{
    const char* inputs[] = {
        "",
        " @",
        " g 2147483647\n",
        " g 99999999999\n  h 99999\n",
        " g 2\n g 2\n g 2\n g 2\n",
        "\0\0\0 major 1\n",
        " -5 -5\n -5\n",
        " a 1\n",
    };
    for (const char* input : inputs) {
        CScaleCatalog catalog;
        catalog.ReadText(input);
        catalog.BuildMenu();
        for (int i = -1; i <= 128; ++i) {
            catalog.GetFullName(i);
            catalog.NextSibling(i);
            catalog.GetParent(i);
        }
        EXPECT_EQ(catalog.FindByFullName("nothing here"), -1);
    }
}

TEST(ScaleCatalog, DeeplyNestedGroupsFillTheTable)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += " g" + std::to_string(i) + " 2\n";
    CScaleCatalog catalog;
    catalog.ReadText(text);
    EXPECT_EQ(catalog.TopCount(), 1);
    EXPECT_EQ(catalog.GetParent(127), 126);
    EXPECT_EQ(catalog.BuildMenu()->Count(), 1);
}

TEST(ScaleCatalog, ASpellingAfterTheClosingValueGivesEachToneItsIntervalNumber)
{
    CScaleCatalog catalog;
    catalog.ReadText(" bebop 1\n 2 1 1 1 2 2 1 2 0 1 2 b3 3 4 5 6 b7\n"
                     " plain 1\n 2 2 3 2 3\n"
                     " wide 1\n 3 1 3 1 3 1 0 1 #2 3 5 #5 7\n @\n");
    EXPECT_EQ(catalog.Record(0).spelling, (std::vector<int>{1, 2, 3, 3, 4, 5, 6, 7}));
    int steps[] = {2, 1, 1, 1, 2, 2, 1, 2, 0};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(catalog.GetStep(0, k), steps[k]);
    EXPECT_EQ(catalog.GetStep(0, 9), 0);  // the spelling's numbers are never steps
    EXPECT_TRUE(catalog.Record(1).spelling.empty());
    EXPECT_EQ(catalog.Record(2).spelling, (std::vector<int>{1, 2, 3, 5, 5, 7}));
}

TEST(ScaleCatalog, ASpellingThatDoesNotFitItsStepsIsIgnored)
{
    const char* lines[] = {
        " 2 2 3 2 3 0 1 2 3 5",          // a tone short
        " 2 2 3 2 3 0 1 2 3 5 6 7",      // a tone over
        " 2 2 3 2 3 0 1 2 3 5 b6",       // b6 is not nine semitones up
        " 2 2 3 2 3 0 1 2 3 #4 6",       // #4 is not seven semitones up
        " 2 2 3 2 3 0 1 2 3 5 6,",       // not a degree
        " 2 2 3 2 3 0 1 2 3 5 8",        // numbers run 1 to 7
        " 2 2 3 2 3 0 bb2 2 3 5 6",      // the tonic is 1
        " 1 1 2 3 2 3 0 1 #1 bb3 3 5 6", // numbers never fall: bb3 after #1 is fine
        " 1 1 2 3 2 3 0 1 b2 ##1 3 5 6", // but ##1 after b2 is not
        " 2 2 3 2 3 1 2 3 5 6",          // no closing value: all of it is steps
    };
    for (const char* line : lines) {
        CScaleCatalog catalog;
        catalog.ReadText(std::string(" s 1\n") + line + "\n @\n");
        bool fits = std::string(line).find("bb3 3") != std::string::npos;
        EXPECT_EQ(catalog.Record(0).spelling.empty(), !fits) << line;
    }
}

#include <gtest/gtest.h>

#include <string>

#include "harmony/ChordCatalog.h"

namespace {

const char* kSmall =
    " none .\n"
    " loose 1-5\n"
    "; comment\n"
    " group triad\n"
    "  maj   1-3-5\r\n"
    "  min 1,3 min, 5 per\n"
    " group empty\n"
    " group interval\n"
    "  m3 1,3 min\n"
    " @end\n";

} // namespace

TEST(ChordCatalog, ReadsKeysAndTexts)
{
    CChordCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.GetKey(0), "none");
    EXPECT_EQ(catalog.GetText(0), ".");
    EXPECT_EQ(catalog.GetKey(3), "maj");
    EXPECT_EQ(catalog.GetText(3), "1-3-5");
    EXPECT_EQ(catalog.GetText(4), "1,3 min, 5 per");
    EXPECT_EQ(catalog.GetKey(8), "@end");
    EXPECT_EQ(catalog.Count(), 9);
    EXPECT_EQ(catalog.GetKey(128), "");
    EXPECT_EQ(catalog.GetText(-1), "");
}

TEST(ChordCatalog, GroupIsTheTitleOfTheNearestGroupLine)
{
    CChordCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.GetGroup(0), "none");
    EXPECT_EQ(catalog.GetGroup(1), "none");
    EXPECT_EQ(catalog.GetGroup(2), "triad");
    EXPECT_EQ(catalog.GetGroup(4), "triad");
    EXPECT_EQ(catalog.GetGroup(7), "interval");
    EXPECT_EQ(catalog.GetGroup(128), "");
    EXPECT_EQ(catalog.GetGroup(-1), "");
}

TEST(ChordCatalog, MenuHasLooseChordsThenOneSubmenuPerGroup)
{
    CChordCatalog catalog;
    catalog.ReadText(kSmall);
    MenuPtr root = catalog.BuildMenu();
    ASSERT_EQ(root->Count(), 5);
    EXPECT_EQ(root->At(0).text, "none");
    EXPECT_EQ(root->At(0).id, 2240);
    EXPECT_EQ(root->At(1).id, 2241);
    EXPECT_EQ(root->At(2).text, "triad");
    ASSERT_EQ(root->At(2).popup->Count(), 2);
    EXPECT_EQ(root->At(2).popup->At(1).id, 2244);
    EXPECT_EQ(root->At(3).text, "empty");
    EXPECT_EQ(root->At(3).popup->Count(), 0);
    ASSERT_EQ(root->At(4).popup->Count(), 1);
    EXPECT_EQ(root->At(4).popup->At(0).text, "m3");
}

TEST(ChordCatalog, GroupBeforeTheTerminatorGivesAnEmptySubmenu)
{
    CChordCatalog catalog;
    catalog.ReadText(" a 1\n group last\n @\n");
    MenuPtr root = catalog.BuildMenu();
    ASSERT_EQ(root->Count(), 2);
    EXPECT_EQ(root->At(1).popup->Count(), 0);
}

TEST(ChordCatalog, MissingFileOrTerminatorOnlyGivesAnEmptyMenu)
{
    CChordCatalog catalog;
    EXPECT_FALSE(catalog.Load("/nonexistent/CHORDS.USE"));
    EXPECT_EQ(catalog.BuildMenu()->Count(), 0);
    catalog.ReadText(" @\n");
    EXPECT_EQ(catalog.BuildMenu()->Count(), 0);
    catalog.ReadText("");
    EXPECT_EQ(catalog.BuildMenu()->Count(), 0);
}

TEST(ChordCatalog, WithoutTerminatorReadingStopsAtEndOrTableSize)
{
    CChordCatalog catalog;
    catalog.ReadText(" a 1\n b 2");
    EXPECT_EQ(catalog.GetText(1), "2");
    EXPECT_EQ(catalog.BuildMenu()->Count(), 2);

    std::string text;
    for (int i = 0; i < 300; ++i)
        text += " c" + std::to_string(i) + " 1-3-5\n";
    catalog.ReadText(text);
    EXPECT_EQ(catalog.Count(), 128);
    EXPECT_EQ(catalog.GetKey(127), "c127");
    EXPECT_EQ(catalog.BuildMenu()->Count(), 128);
}

TEST(ChordCatalog, LongLinesAreReadInPieces)
{
    CChordCatalog catalog;
    std::string line = " long " + std::string(200, 'x') + "\n @\n";
    catalog.ReadText(line);
    EXPECT_EQ(catalog.GetText(0), std::string(121, 'x'));
    EXPECT_EQ(catalog.GetKey(1), std::string(79, 'x'));
}

#include <gtest/gtest.h>

#include <string>

#include "instruments/InstrumentCatalog.h"

namespace {

const char* kSmall =
    "; comment\n"
    " group keyboard\n"
    "\n"
    "   group Grand\n"
    "     Concert 88 A 1 G 0 0\n"
    "; between entries\n"
    "     Parlour 85 A 1 G 0 0\n"
    "   endgroup\n"
    "   -\n"
    "   Organ\n"
    " endgroup\n"
    " Stray y 1 E 3 G 0 24\n"
    " group stringed \n"
    "   Odd y 1 E 3 G 0 24\n"
    " endgroup\n"
    " @\n"
    " Never y 1 E 3 G 0 24\n";

std::string Describe(const MenuPtr& menu)
{
    std::string text;
    for (const MenuItem& item : menu->Items()) {
        if (item.kind == MenuItem::Kind::Separator)
            text += "-;";
        else if (item.kind == MenuItem::Kind::Popup)
            text += item.text + "{" + Describe(item.popup) + "};";
        else
            text += item.text + "=" + std::to_string(item.id) + ";";
    }
    return text;
}

} // namespace

TEST(InstrumentCatalog, ReadsEntriesInFileOrderWithoutCommentsOrBlankLines)
{
    CInstrumentCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.Count(), 13);
    EXPECT_EQ(catalog.NameOf(0), "group");
    EXPECT_EQ(catalog.TextOf(0), "keyboard");
    EXPECT_EQ(catalog.NameOf(2), "Concert");
    EXPECT_EQ(catalog.TextOf(2), "88 A 1 G 0 0");
    EXPECT_EQ(catalog.NameOf(3), "Parlour");
    EXPECT_EQ(catalog.TextOf(6), "");
    EXPECT_EQ(catalog.TextOf(9), "stringed ");  // trailing blanks stay
    EXPECT_EQ(catalog.NameOf(12), "@");
    EXPECT_EQ(catalog.FindInstrument("Never"), -1);
    EXPECT_EQ(catalog.NameOf(13), "");
    EXPECT_EQ(catalog.NameOf(-1), "");
}

TEST(InstrumentCatalog, KindComesFromTheNearestGroupWithAKindWord)
{
    CInstrumentCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(catalog.KindOf(2), kKeyboardInstrument);  // inside Grand inside keyboard
    EXPECT_EQ(catalog.KindOf(1), kKeyboardInstrument);  // the inner group line itself
    EXPECT_EQ(catalog.KindOf(6), kKeyboardInstrument);
    EXPECT_EQ(catalog.KindOf(8), kKeyboardInstrument);  // after the endgroup: still the group above
    EXPECT_EQ(catalog.KindOf(10), kKeyboardInstrument);  // "stringed " is not a kind word
    EXPECT_EQ(catalog.KindOf(-1), kNoInstrument);
    EXPECT_EQ(catalog.KindOf(200), kNoInstrument);
    catalog.ReadText(" Lonely y 1 E 3\n group Others\n Inner\n @\n");
    EXPECT_EQ(catalog.KindOf(0), kNoInstrument);
    EXPECT_EQ(catalog.KindOf(2), kNoInstrument);
}

TEST(InstrumentCatalog, MenuNestsGroupsAndNumbersItemsByEntry)
{
    CInstrumentCatalog catalog;
    catalog.ReadText(kSmall);
    EXPECT_EQ(Describe(catalog.BuildMenu()),
              "keyboard{Grand{Concert=2370;Parlour=2371;};-;Organ=2374;};Stray=2376;"
              "stringed {Odd=2378;};");
}

TEST(InstrumentCatalog, LongLinesAreReadInPiecesOf127Characters)
{
    std::string name(140, 'x');
    CInstrumentCatalog catalog;
    catalog.ReadText(" group stringed\n" + name + "\n @\n");
    EXPECT_EQ(catalog.NameOf(1), std::string(31, 'x'));
    EXPECT_EQ(catalog.NameOf(2), std::string(13, 'x'));
    EXPECT_EQ(catalog.NameOf(3), "@");
}

TEST(InstrumentCatalog, WithoutAnEndMarkerOnlyTheEntriesReadCount)
{
    CInstrumentCatalog catalog;
    catalog.ReadText(" group recorder\n  Alto F 5 G 0 74\n");
    EXPECT_EQ(catalog.Count(), 2);
    EXPECT_EQ(Describe(catalog.BuildMenu()), "recorder{Alto=2369;};");
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += " R" + std::to_string(i) + "\n";
    catalog.ReadText(many);
    EXPECT_EQ(catalog.Count(), CInstrumentCatalog::kCapacity);
    EXPECT_EQ(catalog.BuildMenu()->Count(), CInstrumentCatalog::kCapacity);
    EXPECT_FALSE(catalog.Load("/nonexistent/INSTRUM.USE"));
    EXPECT_EQ(catalog.Count(), CInstrumentCatalog::kCapacity);
}

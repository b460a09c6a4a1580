#include <gtest/gtest.h>

#include <string>

#include "text/FindReplace.h"
#include "text/GeneralDoc.h"
#include "text/GeneralView.h"

TEST(WordSelection, KeepsOnlyTheWordInsideBreakCharacters)
{
    int start = 10, end = 17;
    SelectWordWithin("(chord) ", start, end);
    EXPECT_EQ(start, 11);
    EXPECT_EQ(end, 16);

    start = 3, end = 6;
    SelectWordWithin("-; ", start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 6);

    start = 0, end = 1;
    SelectWordWithin("(", start, end);
    EXPECT_EQ(end, 1);
}

TEST(FindReplace, FindsFromTheSelectionAndWrapsOnce)
{
    EXPECT_EQ(FindNext("C E G C", "C", 1), 6u);
    EXPECT_EQ(FindNext("C E G C", "C", 7), 0u);
    EXPECT_EQ(FindNext("C E G", "B", 0), std::string::npos);
    EXPECT_EQ(FindNext("C E G", "", 0), std::string::npos);
    std::string text = "aaa";
    EXPECT_EQ(ReplaceAll(text, "a", "aa"), 3);
    EXPECT_EQ(text, "aaaaaa");
    EXPECT_EQ(ReplaceAll(text, "", "x"), 0);
}

TEST(SaveAsName, ANameWithoutSuffixGetsTxtAndOthersAreKept)
{
    EXPECT_EQ(WithSuffix("/home/u/notes", ".txt"), "/home/u/notes.txt");
    EXPECT_EQ(WithSuffix("/home/u/notes.mve", ".txt"), "/home/u/notes.mve");
    EXPECT_EQ(WithSuffix("/home/u.d/notes", ".txt"), "/home/u.d/notes.txt");
    EXPECT_EQ(WithSuffix("/home/u/.profile", ".txt"), "/home/u/.profile");
    EXPECT_EQ(WithSuffix("/home/u/", ".txt"), "/home/u/");
}

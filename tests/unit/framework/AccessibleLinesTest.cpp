#include <gtest/gtest.h>

#include "framework/Accessible.h"

using Lines = std::vector<std::string>;

TEST(AccessibleLines, TextSplitsAtEitherLineBreakWithoutAnEmptyLastLine)
{
    EXPECT_EQ(SplitAccessibleLines("Tonic:   C\r\nScale:   major\r\n"), (Lines{"Tonic:   C", "Scale:   major"}));
    EXPECT_EQ(SplitAccessibleLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitAccessibleLines(""), Lines{});
}

TEST(AccessibleLines, AGridLosesTheBlanksAroundTheDrawingOnly)
{
    EXPECT_EQ(TrimmedGridLines({"", "   ", "  |G|  ", "", " 0 1 ", "  ", ""}), (Lines{"  |G|", "", " 0 1"}));
    EXPECT_EQ(TrimmedGridLines({"  ", ""}), Lines{});
    EXPECT_EQ(TrimmedGridLines({}), Lines{});
}

#include <gtest/gtest.h>

#include "text/ReadTokens.h"

TEST(ReadTokens, TokenSkipsBlanksAroundWords)
{
    std::string_view text = "  major\t 1\n";
    std::size_t cursor = 0;
    EXPECT_EQ(ReadToken(text, cursor), "major");
    EXPECT_EQ(cursor, 9u);
    EXPECT_EQ(ReadToken(text, cursor), "1");
    EXPECT_EQ(cursor, text.size());
    EXPECT_EQ(ReadToken(text, cursor), "");
}

TEST(ReadTokens, CarriageReturnIsNotABlank)
{
    std::size_t cursor = 0;
    EXPECT_EQ(ReadToken("ab\r cd", cursor), "ab\r");
}

TEST(ReadTokens, IntSkipsNonDigitsAndTakesSignFromTheLastOne)
{
    std::string_view text = "2 x-3 -x4 abc";
    std::size_t cursor = 0;
    EXPECT_EQ(ReadInt(text, cursor), 2);
    EXPECT_EQ(ReadInt(text, cursor), -3);
    EXPECT_EQ(ReadInt(text, cursor), 4);
    EXPECT_EQ(ReadInt(text, cursor), 0);
    EXPECT_EQ(cursor, text.size());
}

TEST(ReadTokens, IntStopsAtDashBetweenDegrees)
{
    std::string_view text = "1-3-5";
    std::size_t cursor = 0;
    EXPECT_EQ(ReadInt(text, cursor), 1);
    EXPECT_EQ(text[cursor], '-');
}

TEST(ReadTokens, HugeIntSaturates)
{
    std::size_t cursor = 0;
    EXPECT_EQ(ReadInt("99999999999999999999", cursor), 2147483647);
    cursor = 0;
    EXPECT_EQ(ReadInt("-99999999999999999999", cursor), -2147483647);
}

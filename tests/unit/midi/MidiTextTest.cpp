#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "midi/MidiDescriptions.h"
#include "midi/MidiText.h"

namespace {

std::string Padded(std::uint64_t value, int width, char fill)
{
    char buffer[64];
    char* const end = WritePadded(buffer, value, width, fill);
    return std::string(buffer, end);
}

TEST(MidiText, WritePaddedRightAlignsInTheWidth)
{
    EXPECT_EQ(Padded(0, 6, '0'), "000000");
    EXPECT_EQ(Padded(480, 6, '0'), "000480");
    EXPECT_EQ(Padded(7, 3, ' '), "  7");
    EXPECT_EQ(Padded(127, 3, ' '), "127");
    EXPECT_EQ(Padded(10, 2, ' '), "10");
    EXPECT_EQ(Padded(9, 0, ' '), "9");
}

TEST(MidiText, WritePaddedNeverCutsDigits)
{
    EXPECT_EQ(Padded(1234567, 6, '0'), "1234567");
    EXPECT_EQ(Padded(100000, 5, '0'), "100000");
    EXPECT_EQ(Padded(18446744073709551615u, 6, '0'), "18446744073709551615");
    EXPECT_EQ(Padded(18446744073709551615u, 22, ' '), "  18446744073709551615");
}

TEST(MidiText, DigitTriplesPadEveryNumberBelowAThousand)
{
    const auto triple = [](const DigitTriples& triples, int value) {
        return std::string(triples.digits[value], 3);
    };
    EXPECT_EQ(triple(kZeroPadded, 0), "000");
    EXPECT_EQ(triple(kZeroPadded, 7), "007");
    EXPECT_EQ(triple(kZeroPadded, 42), "042");
    EXPECT_EQ(triple(kZeroPadded, 999), "999");
    EXPECT_EQ(triple(kBlankPadded, 0), "  0");
    EXPECT_EQ(triple(kBlankPadded, 10), " 10");
    EXPECT_EQ(triple(kBlankPadded, 127), "127");
    for (int value = 0; value < 1000; ++value)
        ASSERT_EQ(std::stoi(triple(kZeroPadded, value)), value);
}

std::string Columns(std::uint64_t cumulativeTicks, std::uint64_t delta)
{
    char buffer[kTickColumnsSize];
    return std::string(buffer, WriteTickColumns(buffer, cumulativeTicks, delta));
}

TEST(MidiText, TickColumnsWidenForLargeValues)
{
    EXPECT_EQ(Columns(0, 0), "000000 00000 ");
    EXPECT_EQ(Columns(999999, 99999), "999999 99999 ");
    EXPECT_EQ(Columns(1000000, 5), "1000000 00005 ");
    EXPECT_EQ(Columns(17, 100000), "000017 100000 ");
    EXPECT_EQ(Columns(18446744073709551615u, 18446744073709551615u),
              "18446744073709551615 18446744073709551615 ");
}

}  // namespace

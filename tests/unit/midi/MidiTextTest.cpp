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

TEST(MidiText, WriteDigitsWritesExactlyTheCount)
{
    char buffer[8] = "-------";
    WriteDigits(buffer, 42, 5);
    EXPECT_EQ(std::string(buffer), "00042--");
    WriteDigits(buffer, 123456, 3);
    EXPECT_EQ(std::string(buffer), "45642--");
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

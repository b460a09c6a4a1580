#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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

}  // namespace

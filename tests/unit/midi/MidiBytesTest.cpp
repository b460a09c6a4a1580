#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "midi/MidiBytes.h"

namespace {

MidiBytes Counting(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return MidiBytes(bytes);
}

TEST(MidiBytes, HoldsShortAndLongPayloads)
{
    for (const std::size_t size : {std::size_t{0}, std::size_t{3}, MidiBytes::kInline, MidiBytes::kInline + 1,
                                   std::size_t{300}}) {
        const MidiBytes bytes = Counting(size);
        ASSERT_EQ(bytes.size(), size);
        EXPECT_EQ(bytes.empty(), size == 0);
        for (std::size_t i = 0; i < size; ++i)
            EXPECT_EQ(bytes[i], static_cast<std::uint8_t>(i + 1)) << size;
    }
}

TEST(MidiBytes, CopiesMovesAndAssignsAcrossBothForms)
{
    MidiBytes longBytes = Counting(40);
    MidiBytes shortBytes{1, 2};
    const MidiBytes copy = longBytes;
    EXPECT_EQ(copy, longBytes);
    EXPECT_NE(copy.data(), longBytes.data());

    MidiBytes moved = std::move(longBytes);
    EXPECT_EQ(moved, copy);
    EXPECT_TRUE(longBytes.empty());

    moved = shortBytes;
    EXPECT_EQ(moved, (MidiBytes{1, 2}));
    shortBytes = copy;
    EXPECT_EQ(shortBytes, copy);
    EXPECT_FALSE(copy == (MidiBytes{1, 2}));
}

}  // namespace

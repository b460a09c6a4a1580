#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "framework/LargeBlocks.h"

namespace {

void Fill(char* block, std::size_t size)
{
    for (std::size_t i = 0; i + 1 < size; i += 511)
        block[i] = static_cast<char>(i % 251);
    block[size - 1] = 'z';
}

bool Filled(const char* block, std::size_t size)
{
    for (std::size_t i = 0; i + 1 < size; i += 511)
        if (block[i] != static_cast<char>(i % 251))
            return false;
    return block[size - 1] == 'z';
}

TEST(LargeBlocks, SmallAndLargeBlocksHoldTheirWholeSize)
{
    for (const std::size_t size : {std::size_t{1}, std::size_t{4096}, kLargeBlock - 1, kLargeBlock,
                                   kLargeBlock + 1, 5 * kLargeBlock + 12345}) {
        char* const block = static_cast<char*>(AllocateBlock(size));
        Fill(block, size);
        EXPECT_TRUE(Filled(block, size)) << size;
        ReleaseBlock(block, size);
    }
    ReleaseBlock(nullptr, kLargeBlock);
}

TEST(LargeBlocks, LargeBlocksStartOnAHugePage)
{
    void* const block = AllocateBlock(3 * kLargeBlock);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % (std::size_t{2} << 20), 0u);
    ReleaseBlock(block, 3 * kLargeBlock);
}

TEST(LargeBlocks, BlockPtrMovesOwnership)
{
    BlockPtr first(2 * kLargeBlock);
    Fill(first.get(), 2 * kLargeBlock);
    BlockPtr second(std::move(first));
    EXPECT_EQ(first.get(), nullptr);  // NOLINT(bugprone-use-after-move)
    EXPECT_TRUE(Filled(second.get(), 2 * kLargeBlock));
    BlockPtr third(16);
    third = std::move(second);
    EXPECT_TRUE(Filled(third.get(), 2 * kLargeBlock));
}

TEST(LargeBlocks, VectorsGrowAcrossTheThreshold)
{
    std::vector<std::uint64_t, LargeBlockAllocator<std::uint64_t>> values;
    for (std::uint64_t i = 0; i < 3 * kLargeBlock / sizeof(std::uint64_t); ++i)
        values.push_back(i * 3);
    for (std::size_t i = 0; i < values.size(); i += 997)
        ASSERT_EQ(values[i], i * 3) << i;
    auto copy = values;
    values.clear();
    values.shrink_to_fit();
    EXPECT_EQ(copy.back(), (copy.size() - 1) * 3);
}

}  // namespace

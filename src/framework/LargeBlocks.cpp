#include "framework/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t RoundUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}

// `size` bytes (a multiple of kHugePage) aligned to a huge page, so the
// kernel can back all of it with huge pages. They come from malloc, which
// keeps blocks released by one load for the next instead of unmapping them:
// fresh pages are zeroed, and that is the largest cost of a load.
void* AllocateAligned(std::size_t size)
{
    void* const block = std::aligned_alloc(kHugePage, size);
    if (block == nullptr)
        throw std::bad_alloc();
    // Only advice: without huge pages the block works the same.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

}  // namespace

std::size_t UsableBlockSize(std::size_t size)
{
    return size < kLargeBlock ? size : RoundUp(size, kHugePage);
}

void* AllocateBlock(std::size_t size)
{
    if (size < kLargeBlock)
        return ::operator new(size);
    return AllocateAligned(UsableBlockSize(size));
}

void ReleaseBlock(void* block, std::size_t size) noexcept
{
    if (block == nullptr)
        return;
    if (size < kLargeBlock)
        ::operator delete(block);
    else
        std::free(block);
}

BlockPtr& BlockPtr::operator=(BlockPtr&& other) noexcept
{
    if (this != &other) {
        ReleaseBlock(block_, size_);
        block_ = std::exchange(other.block_, nullptr);
        size_ = other.size_;
    }
    return *this;
}

#include "midi/LargeBlocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t RoundUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}

// Maps `size` bytes (a multiple of kHugePage) aligned to a huge page, so the
// kernel can back all of it with huge pages.
void* MapAligned(std::size_t size)
{
    void* const mapped = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = RoundUp(start, kHugePage);
    if (aligned > start)
        munmap(mapped, aligned - start);
    munmap(reinterpret_cast<void*>(aligned + size), start + kHugePage - aligned);
    void* const block = reinterpret_cast<void*>(aligned);
    // Only advice: without huge pages the block works the same.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

}  // namespace

void* AllocateBlock(std::size_t size)
{
    if (size < kLargeBlock)
        return ::operator new(size);
    return MapAligned(RoundUp(size, kHugePage));
}

void ReleaseBlock(void* block, std::size_t size) noexcept
{
    if (block == nullptr)
        return;
    if (size < kLargeBlock)
        ::operator delete(block);
    else
        munmap(block, RoundUp(size, kHugePage));
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

#pragma once
// Memory for the large event lists and text blocks of big files. Blocks of a
// megabyte or more are mapped on their own and offered transparent huge
// pages: a 200k-event file otherwise costs some twelve thousand page faults,
// more than all of its parsing. Smaller blocks come from operator new.
#include <cstddef>
#include <new>

inline constexpr std::size_t kLargeBlock = std::size_t{1} << 20;  // at least half a huge page

// What a block of `size` bytes really holds: large blocks are whole huge pages.
std::size_t UsableBlockSize(std::size_t size);

void* AllocateBlock(std::size_t size);
void ReleaseBlock(void* block, std::size_t size) noexcept;

template <class T>
struct LargeBlockAllocator {
    using value_type = T;

    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(AllocateBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept { ReleaseBlock(block, count * sizeof(T)); }

    template <class U>
    bool operator==(const LargeBlockAllocator<U>&) const noexcept { return true; }
};

// Owns one block from AllocateBlock.
class BlockPtr {
public:
    explicit BlockPtr(std::size_t size) : block_(static_cast<char*>(AllocateBlock(size))), size_(size) {}
    BlockPtr(BlockPtr&& other) noexcept : block_(other.block_), size_(other.size_) { other.block_ = nullptr; }
    BlockPtr& operator=(BlockPtr&& other) noexcept;
    BlockPtr(const BlockPtr&) = delete;
    BlockPtr& operator=(const BlockPtr&) = delete;
    ~BlockPtr() { ReleaseBlock(block_, size_); }

    char* get() const { return block_; }

private:
    char* block_;
    std::size_t size_;
};

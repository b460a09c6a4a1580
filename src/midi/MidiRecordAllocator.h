#pragma once
// Allocates event lists from a file's arena, or, for lists made on their own,
// from large blocks. Arena memory is released with the arena, so a list that
// grows leaves its old array behind: lists of a file are sized up front.
#include <cstddef>
#include <memory>
#include <new>

#include "framework/LargeBlocks.h"
#include "midi/MidiArena.h"

template <class T>
class MidiRecordAllocator {
public:
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_copy_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;

    MidiRecordAllocator() = default;
    explicit MidiRecordAllocator(std::shared_ptr<MidiArena> arena) : arena_(std::move(arena)) {}
    template <class U>
    MidiRecordAllocator(const MidiRecordAllocator<U>& other) noexcept : arena_(other.Arena())
    {
    }

    T* allocate(std::size_t count)
    {
        if (count > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        if (arena_)
            return static_cast<T*>(arena_->Allocate(count * sizeof(T), alignof(T)));
        return static_cast<T*>(AllocateBlock(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t count) noexcept
    {
        if (!arena_)
            ReleaseBlock(block, count * sizeof(T));
    }

    const std::shared_ptr<MidiArena>& Arena() const { return arena_; }

    template <class U>
    bool operator==(const MidiRecordAllocator<U>& other) const noexcept
    {
        return arena_ == other.Arena();
    }

private:
    std::shared_ptr<MidiArena> arena_;
};

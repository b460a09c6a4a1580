#pragma once
// Storage for the description texts and record arrays of one file, packed
// into large blocks that never move and are released all at once. A record
// keeps a string_view of its text: a large file has a million records, and a
// string each would cost a heap allocation and its release apiece. Records
// and texts packed together touch far fewer fresh pages than lists and
// strings each allocated on their own.
#include <cstddef>
#include <string_view>
#include <vector>

#include "framework/LargeBlocks.h"

class MidiArena {
public:
    // Small lists (tests, the measure track of a short file) stay small.
    static constexpr std::size_t kFirstBlock = 1024;

    MidiArena() = default;
    // `expected` is about how many bytes will be stored: the first block
    // takes that much (within limits), so one that is right needs no other.
    explicit MidiArena(std::size_t expected);
    MidiArena(MidiArena&& other) noexcept;
    MidiArena& operator=(MidiArena&& other) noexcept;
    MidiArena(const MidiArena&) = delete;
    MidiArena& operator=(const MidiArena&) = delete;

    // Room for up to `size` characters of the next text; Keep() ends it.
    char* Reserve(std::size_t size);
    // The first `size` characters written since Reserve() become a text.
    std::string_view Keep(std::size_t size);
    std::string_view Store(std::string_view text);
    // `size` bytes aligned to `alignment` (a power of two), kept with the texts.
    void* Allocate(std::size_t size, std::size_t alignment);

private:
    std::vector<BlockPtr> blocks_;
    char* cursor_ = nullptr;
    char* limit_ = nullptr;
    std::size_t nextBlockSize_ = kFirstBlock;
};

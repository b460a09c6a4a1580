#pragma once
// Storage for the description texts of one event list. Texts are packed into
// large blocks that never move, so a record can keep a string_view of its
// text: a large file has a million records, and a string each would cost a
// heap allocation and its release apiece.
#include <cstddef>
#include <string_view>
#include <vector>

#include "midi/LargeBlocks.h"

class MidiTextArena {
public:
    MidiTextArena() = default;
    // `expected` is about how many characters will be stored: the first block
    // takes that much (within limits), so one that is right needs no other.
    explicit MidiTextArena(std::size_t expected);
    MidiTextArena(MidiTextArena&& other) noexcept;
    MidiTextArena& operator=(MidiTextArena&& other) noexcept;
    MidiTextArena(const MidiTextArena&) = delete;
    MidiTextArena& operator=(const MidiTextArena&) = delete;

    // Room for up to `size` characters of the next text; Keep() ends it.
    char* Reserve(std::size_t size);
    // The first `size` characters written since Reserve() become a text.
    std::string_view Keep(std::size_t size);
    std::string_view Store(std::string_view text);

private:
    std::vector<BlockPtr> blocks_;
    char* cursor_ = nullptr;
    char* limit_ = nullptr;
    std::size_t nextBlockSize_ = 0;
};

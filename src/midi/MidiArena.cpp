#include "midi/MidiArena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// Growing lists soon get blocks large enough for huge pages.
constexpr std::size_t kGrowth = 4;
constexpr std::size_t kLargestBlock = 2 * kLargeBlock;
// Room never used costs only address space, but a first block is kept to a
// sane size whatever is expected.
constexpr std::size_t kLargestFirstBlock = std::size_t{256} << 20;

}  // namespace

MidiArena::MidiArena(std::size_t expected)
    : nextBlockSize_(std::clamp(expected, kFirstBlock, kLargestFirstBlock))
{
}

MidiArena::MidiArena(MidiArena&& other) noexcept
    : blocks_(std::move(other.blocks_)),
      cursor_(std::exchange(other.cursor_, nullptr)),
      limit_(std::exchange(other.limit_, nullptr)),
      nextBlockSize_(std::exchange(other.nextBlockSize_, kFirstBlock))
{
    other.blocks_.clear();
}

MidiArena& MidiArena::operator=(MidiArena&& other) noexcept
{
    if (this != &other) {
        blocks_ = std::move(other.blocks_);
        other.blocks_.clear();
        cursor_ = std::exchange(other.cursor_, nullptr);
        limit_ = std::exchange(other.limit_, nullptr);
        nextBlockSize_ = std::exchange(other.nextBlockSize_, kFirstBlock);
    }
    return *this;
}

char* MidiArena::Reserve(std::size_t size)
{
    if (static_cast<std::size_t>(limit_ - cursor_) >= size)
        return cursor_;
    const std::size_t blockSize = UsableBlockSize(std::max(size, nextBlockSize_));
    nextBlockSize_ = std::clamp(blockSize * kGrowth, kFirstBlock, kLargestBlock);
    blocks_.emplace_back(blockSize);
    cursor_ = blocks_.back().get();
    limit_ = cursor_ + blockSize;
    return cursor_;
}

std::string_view MidiArena::Keep(std::size_t size)
{
    const std::string_view text(cursor_, size);
    cursor_ += size;
    return text;
}

std::string_view MidiArena::Store(std::string_view text)
{
    char* const start = Reserve(text.size());
    if (!text.empty())
        std::memcpy(start, text.data(), text.size());
    return Keep(text.size());
}

void* MidiArena::Allocate(std::size_t size, std::size_t alignment)
{
    char* start = Reserve(size + alignment - 1);
    const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(start) & (alignment - 1);
    const std::size_t skip = misalignment == 0 ? 0 : alignment - misalignment;
    Keep(skip);
    start += skip;
    Keep(size);
    return start;
}

#include "midi/MidiBytes.h"

#include <algorithm>
#include <cstring>
#include <utility>

MidiBytes::MidiBytes(std::span<const std::uint8_t> bytes) : size_(static_cast<std::uint32_t>(bytes.size()))
{
    std::uint8_t* target = storage_.bytes;
    if (!IsInline())
        target = storage_.heap = new std::uint8_t[size_];
    std::copy(bytes.begin(), bytes.end(), target);
}

MidiBytes::MidiBytes(MidiBytes&& other) noexcept : size_(other.size_), storage_(other.storage_)
{
    other.size_ = 0;
}

MidiBytes& MidiBytes::operator=(MidiBytes other) noexcept
{
    std::swap(size_, other.size_);
    std::swap(storage_, other.storage_);
    return *this;
}

MidiBytes::~MidiBytes()
{
    if (!IsInline())
        delete[] storage_.heap;
}

bool operator==(const MidiBytes& a, const MidiBytes& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

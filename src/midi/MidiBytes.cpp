#include "midi/MidiBytes.h"

static_assert(sizeof(std::uint8_t*) <= MidiBytes::kInline);

void MidiBytes::CopyToHeap(const std::uint8_t* bytes)
{
    auto* const heap = new std::uint8_t[size_];
    std::copy(bytes, bytes + size_, heap);
    std::memcpy(storage_, &heap, sizeof heap);
}

bool operator==(const MidiBytes& a, const MidiBytes& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

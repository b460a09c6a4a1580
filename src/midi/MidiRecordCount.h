#pragma once
// A quick pass over a track body that counts its records before they are
// read, so that the array of a file's records is sized once and never moves.
#include <cstddef>
#include <cstdint>
#include <span>

// The largest value a four-byte quantity can hold; longer ones are clamped.
inline constexpr std::uint64_t kMaxQuantity = 0x0FFFFFFF;

// Data bytes of a channel message with this status; 0 for any other status.
inline int ChannelDataBytes(std::uint8_t status)
{
    switch (status >> 4) {
    case 0x8: case 0x9: case 0xA: case 0xB: case 0xE: return 2;
    case 0xC: case 0xD: return 1;
    default: return 0;
    }
}

// At least as many records as ReadTrack makes of `body`: exactly as many
// unless the body holds broken events.
std::size_t CountTrackRecords(std::span<const std::uint8_t> body);

#include "GeneratedMidi.h"

namespace {

constexpr int kTracks = 16;

void Put(std::vector<std::uint8_t>& out, std::initializer_list<std::uint8_t> bytes)
{
    out.insert(out.end(), bytes);
}

void PutQuantity(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t bytes[4];
    int count = 0;
    do {
        bytes[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(bytes[--count] | 0x80));
    out.push_back(bytes[0]);
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> TrackBody(int track, std::size_t events)
{
    std::vector<std::uint8_t> body;
    const auto channel = static_cast<std::uint8_t>(track % 16);
    Put(body, {0x00, static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(track * 7)});
    std::uint32_t seed = 12345u + static_cast<std::uint32_t>(track);
    for (std::size_t i = 1; i + 1 < events; i += 2) {
        seed = seed * 1103515245u + 12345u;
        const auto note = static_cast<std::uint8_t>(36 + (seed >> 16) % 48);
        if (track == 0 && i % 512 == 1) {
            Put(body, {0x00, 0xFF, 0x51, 0x03, 0x07, static_cast<std::uint8_t>(0xA1 + i % 7), 0x20});
            Put(body, {0x00, 0xFF, 0x58, 0x04, static_cast<std::uint8_t>(3 + i % 2), 0x02, 0x18, 0x08});
        }
        if (i % 64 == 1)
            Put(body, {0x00, static_cast<std::uint8_t>(0xB0 | channel), 0x07, static_cast<std::uint8_t>(i % 128)});
        Put(body, {0x00, static_cast<std::uint8_t>(0x90 | channel), note, 100});
        PutQuantity(body, 60 + (seed >> 8) % 180);
        Put(body, {note, 0});
    }
    Put(body, {0x00, 0xFF, 0x2F, 0x00});
    return body;
}

}  // namespace

std::vector<std::uint8_t> GenerateMidi(std::size_t events)
{
    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, kTracks, 0x01, 0xE0};
    for (int track = 0; track < kTracks; ++track) {
        const std::vector<std::uint8_t> body = TrackBody(track, events / kTracks);
        Put(file, {'M', 'T', 'r', 'k'});
        PutBigEndian(file, static_cast<std::uint32_t>(body.size()), 4);
        file.insert(file.end(), body.begin(), body.end());
    }
    return file;
}

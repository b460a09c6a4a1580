#pragma once
// Writes small Standard MIDI Files byte by byte for the reader's tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes Vlq(std::uint32_t value)
{
    Bytes out{static_cast<std::uint8_t>(value & 0x7F)};
    while (value >>= 7)
        out.insert(out.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

inline void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

inline Bytes BigEndian32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

// A track body: each call adds a delta and the bytes of one event.
class TrackBody {
public:
    TrackBody& Event(std::uint32_t delta, std::initializer_list<std::uint8_t> bytes)
    {
        Append(bytes_, Vlq(delta));
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }
    TrackBody& Meta(std::uint32_t delta, std::uint8_t type, const Bytes& payload)
    {
        Event(delta, {0xFF, type});
        Append(bytes_, Vlq(static_cast<std::uint32_t>(payload.size())));
        Append(bytes_, payload);
        return *this;
    }
    TrackBody& Text(std::uint32_t delta, const std::string& text)
    {
        return Meta(delta, 0x01, Bytes(text.begin(), text.end()));
    }
    TrackBody& End(std::uint32_t delta = 0) { return Meta(delta, 0x2F, {}); }
    TrackBody& Raw(std::initializer_list<std::uint8_t> bytes)
    {
        bytes_.insert(bytes_.end(), bytes);
        return *this;
    }
    const Bytes& bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

inline Bytes Chunk(const std::string& tag, const Bytes& body)
{
    Bytes out(tag.begin(), tag.end());
    Append(out, BigEndian32(static_cast<std::uint32_t>(body.size())));
    Append(out, body);
    return out;
}

inline Bytes Header(int format, int tracks, int division)
{
    return Chunk("MThd", {0, static_cast<std::uint8_t>(format), static_cast<std::uint8_t>(tracks >> 8),
                          static_cast<std::uint8_t>(tracks), static_cast<std::uint8_t>(division >> 8),
                          static_cast<std::uint8_t>(division)});
}

inline Bytes Smf(int format, int division, const std::vector<TrackBody>& tracks)
{
    Bytes out = Header(format, static_cast<int>(tracks.size()), division);
    for (const TrackBody& track : tracks)
        Append(out, Chunk("MTrk", track.bytes()));
    return out;
}

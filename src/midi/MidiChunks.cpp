#include "midi/MidiChunks.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::size_t kHeaderSize = 14;
constexpr std::size_t kHeaderBodySize = 6;
constexpr std::size_t kChunkHeadSize = 8;

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes)
        value = value << 8 | byte;
    return value;
}

bool HasTag(std::span<const std::uint8_t> bytes, const char* tag)
{
    return bytes.size() >= 4 && std::memcmp(bytes.data(), tag, 4) == 0;
}

// Chunk types are four printable ASCII characters; anything else is damage.
bool IsChunkTag(std::span<const std::uint8_t> tag)
{
    return std::all_of(tag.begin(), tag.end(), [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; });
}

void Warn(MidiFile& file, std::string text)
{
    file.notices.push_back({std::move(text), MidiNoticeIcon::Warning});
}

// Reads forward through the file, never past its end.
class ChunkReader {
public:
    explicit ChunkReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::span<const std::uint8_t> Take(std::uint64_t count)
    {
        const std::size_t size =
            static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes_.size() - position_));
        const auto taken = bytes_.subspan(position_, size);
        position_ += size;
        return taken;
    }

    std::size_t Position() const { return position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// The number of tracks the header declares, or none when the file is rejected.
std::optional<unsigned> ReadHeader(ChunkReader& reader, MidiFile& file)
{
    const auto header = reader.Take(kHeaderSize);
    for (std::size_t i = 0; i < file.headerTag.size() && i < header.size(); ++i)
        file.headerTag[i] = static_cast<char>(header[i]);
    if (header.size() < kHeaderSize || !HasTag(header, "MThd")) {
        Warn(file, "Bad MIDI header - aborting...");
        return std::nullopt;
    }
    file.format = static_cast<int>(BigEndian(header.subspan(8, 2)));
    file.division = BigEndian(header.subspan(12, 2));
    if (file.format > 1) {
        Warn(file, "Not MIDI format 0 or 1; aborting...");
        return std::nullopt;
    }
    // A longer header body is allowed; its extra bytes are not ours to read.
    const std::uint32_t bodySize = BigEndian(header.subspan(4, 4));
    if (bodySize > kHeaderBodySize)
        reader.Take(bodySize - kHeaderBodySize);
    if (file.division == 0)
        Warn(file, "MIDI division is 0: no measure bars and no running time.");
    return BigEndian(header.subspan(10, 2));
}

void ReadTrackBody(ChunkReader& reader, std::span<const std::uint8_t> head, MidiFile& file, TrackBodies& bodies)
{
    MidiTrack& track = file.tracks.emplace_back();
    std::copy_n(head.begin(), 4, track.tag.begin());
    std::copy_n(head.begin() + 4, 4, track.lengthBytes.begin());
    track.length = BigEndian(head.subspan(4, 4));
    const auto body = reader.Take(track.length);
    track.bytesRead = body.size();
    bodies.push_back(body);
    if (body.size() < track.length)
        Warn(file, TrackCutShortText(file.tracks.size(), body.size(), track.length));
}

// Reads chunks until `declared` tracks are in; chunks of other types are skipped.
bool ReadTracks(ChunkReader& reader, unsigned declared, MidiFile& file, TrackBodies& bodies)
{
    while (file.tracks.size() < declared) {
        const auto head = reader.Take(kChunkHeadSize);
        if (head.size() < kChunkHeadSize) {
            Warn(file, "MIDI file holds " + std::to_string(file.tracks.size()) + " of the "
                           + std::to_string(declared) + " tracks its header declares.");
            return true;
        }
        if (HasTag(head, "MTrk")) {
            ReadTrackBody(reader, head, file, bodies);
        } else if (IsChunkTag(head.first(4))) {
            reader.Take(BigEndian(head.subspan(4, 4)));
        } else {
            Warn(file, "Bad MIDI track - aborting...");
            file.tracks.clear();
            bodies.clear();
            return false;
        }
    }
    return true;
}

}  // namespace

std::string TrackCutShortText(std::size_t number, std::uint64_t read, std::uint64_t needed)
{
    return "MIDI track " + std::to_string(number) + " is cut short: " + std::to_string(read) + " of "
           + std::to_string(needed) + " bytes read.";
}

bool ReadMidiChunks(std::span<const std::uint8_t> bytes, MidiFile& file, TrackBodies& bodies)
{
    ChunkReader reader(bytes);
    const std::optional<unsigned> declared = ReadHeader(reader, file);
    const bool read = declared && ReadTracks(reader, *declared, file, bodies);
    file.totalBytes = reader.Position();
    return read;
}

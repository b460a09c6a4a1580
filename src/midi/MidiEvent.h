#pragma once
// One record of a MIDI event list: a track's own events, the measure track or
// the merged play list. A list is a vector; a record's successor is the next
// element, so positions in a list (queue position, play cursor) are indices.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "midi/MidiArena.h"
#include "midi/MidiBytes.h"
#include "midi/MidiRecordAllocator.h"

namespace MidiKind {
inline constexpr int NoteOff = 0x80;
inline constexpr int NoteOn = 0x90;
inline constexpr int KeyPressure = 0xA0;
inline constexpr int Controller = 0xB0;
inline constexpr int Program = 0xC0;
inline constexpr int ChannelPressure = 0xD0;
inline constexpr int PitchBend = 0xE0;
inline constexpr int SystemExclusive = 0xF0;
inline constexpr int SequenceNumber = 0x00;
inline constexpr int MetaChannel = 0x20;
inline constexpr int MetaPort = 0x21;
inline constexpr int EndOfTrack = 0x2F;
inline constexpr int SetTempo = 0x51;
inline constexpr int SmpteOffset = 0x54;
inline constexpr int TimeSignature = 0x58;
inline constexpr int KeySignature = 0x59;
inline constexpr int MetaSpecial = 0x7F;
// Records the reader makes up itself: list heads and measure bar markers.
inline constexpr int SyntheticHead = 1;
inline constexpr int MeasureBar = 6;
}  // namespace MidiKind

// Channel of meta and system-exclusive records.
inline constexpr int kMetaChannel = 15;

// Kept small (56 bytes): every record of a file exists twice, in its track and
// in the play list.
struct MidiEvent {
    MidiBytes data;
    std::uint8_t kind = 0;       // status with the channel bits cleared, meta type, 0xF0, or a synthetic kind
    std::uint8_t channel = 0;    // 0..15
    bool isMeasureBar = false;
    std::uint64_t delta = 0;     // ticks since the previous record of the same list
    std::uint64_t time = 0;      // absolute ticks
    std::uint64_t duration = 0;  // note on in a play list: ticks until its note off
    std::string_view text;       // "%06d %05d %s": running ticks, delta, description

    std::size_t length() const { return data.size(); }
};

static_assert(sizeof(MidiEvent) <= 56, "records are the bulk of a loaded file");

// The records of a list together with the storage of their texts. Lists of
// one file share one arena for records and texts; copies share it too, and
// texts stay put while any list holds it. A list made on its own gets an
// arena for its texts when the first one is stored.
class MidiEventList : public std::vector<MidiEvent, MidiRecordAllocator<MidiEvent>> {
public:
    using Records = std::vector<MidiEvent, MidiRecordAllocator<MidiEvent>>;
    using Records::Records;
    MidiEventList() = default;
    explicit MidiEventList(std::shared_ptr<MidiArena> arena)
        : Records(MidiRecordAllocator<MidiEvent>(arena)), texts_(std::move(arena))
    {
    }

    // Where new texts of this list go.
    MidiArena& Texts()
    {
        if (!texts_)
            texts_ = std::make_shared<MidiArena>();
        return *texts_;
    }

private:
    std::shared_ptr<MidiArena> texts_;
};

#pragma once
// A record as the 32-bit short message an output device takes: status
// (kind | channel) in the lowest byte, then up to two data bytes.
#include <cstdint>

#include "midi/MidiEvent.h"

std::uint32_t PackShortMessage(const MidiEvent& event);

// A channel message: status (kind | channel) and its two data bytes.
constexpr std::uint32_t ShortMessage(std::uint32_t status, int data1, int data2)
{
    return status | static_cast<std::uint32_t>(data1 & 0x7F) << 8 | static_cast<std::uint32_t>(data2 & 0x7F) << 16;
}

// Only records whose kind has its top bit set go to the device: channel
// messages, system exclusive (as 0xFF) and the recorder's start marker.
inline bool IsSent(const MidiEvent& event)
{
    return (event.kind & 0x80) != 0;
}

// A note on that sounds: one of velocity 0 ends a note instead.
inline bool IsSoundingNoteOn(const MidiEvent& event)
{
    return event.kind == MidiKind::NoteOn && event.length() >= 2 && event.data[1] != 0;
}

#pragma once
// Reads the body of one track chunk into records.
#include <cstdint>
#include <span>

#include "midi/MidiEvent.h"

// Never reads past `body`. Broken events (data bytes of 128 or more, stray
// data bytes, meta types of 128 or more) make no record and their delta moves
// on to the next record, so the times of everything after them stay right.
// An event cut by the end of the body makes no record and ends the track.
// End of Track records always count 10 ticks, whatever delta the file gives.
struct TrackReading {
    MidiEventList events;
    // Where a payload whose length runs past the body would have ended,
    // counted from the start of the body; 0 when every payload fits. The
    // records after it are lost.
    std::uint64_t overrunEnd = 0;
};

TrackReading ReadTrack(std::span<const std::uint8_t> body);
// The same, appending the records to `records`; returns the overrun's end.
std::uint64_t ReadTrackInto(std::span<const std::uint8_t> body, MidiEventList& records);

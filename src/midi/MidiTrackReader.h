#pragma once
// Reads the body of one track chunk into that track's event list.
#include <cstdint>
#include <memory>
#include <span>

#include "midi/MidiEvent.h"

class MidiPlayer;

// Never reads past `body`. Broken events (data bytes of 128 or more, stray
// data bytes, meta types of 128 or more) make no record and their delta moves
// on to the next record, so the times of everything after them stay right.
// An event cut by the end of the body makes no record and ends the track.
// Records and texts go to `arena` when given.
struct TrackReading {
    MidiEventList events;
    // Where a payload whose length runs past the body would have ended,
    // counted from the start of the body; 0 when every payload fits. The
    // records after it are lost.
    std::uint64_t overrunEnd = 0;
};

TrackReading ReadTrack(std::span<const std::uint8_t> body, const MidiPlayer& player,
                       std::shared_ptr<MidiArena> arena = nullptr);

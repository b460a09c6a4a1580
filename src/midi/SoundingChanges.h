#pragma once
// What a file sounds over its whole play list: each moment the notes
// sounding on the pitched channels change, timed as playback times it
// (from the start, at rate 1). The records of one tick count as one
// change, as they sound together.
#include <cstdint>
#include <vector>

#include "midi/MidiFile.h"

struct SoundingChange {
    std::int64_t timeMs = 0;
    std::vector<int> notes;  // MIDI note numbers, lowest first; none in a rest
};

std::vector<SoundingChange> SoundingChangesOf(const MidiFile& file);

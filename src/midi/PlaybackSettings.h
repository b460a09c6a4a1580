#pragma once
// A MIDI document's player state: what the player reads while that document
// is its current one, and what Stop, Rewind, Rate and Queue change.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "midi/MidiEvent.h"
#include "midi/MidiTiming.h"

struct PlaybackSettings {
    const MidiEventList* list = nullptr;  // the document's play list
    unsigned division = 0;
    std::uint32_t tempo = kDefaultTempo;
    double rate = 1.0;                          // multiplies every wait
    std::optional<std::size_t> queuePosition;   // index into list
    std::array<std::uint8_t, 4> timeSignature{4, 2, 24, 8};
    // "Channel Program Events:" and ";" + each program change, for the
    // instruments' Channel dialog.
    const std::string* programSummary = nullptr;

    // Absolute tick of the queued record, or none.
    std::optional<std::uint64_t> QueuedTick() const;
};

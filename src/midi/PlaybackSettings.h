#pragma once
// A MIDI document's player state: what the player reads while it plays that
// document, and what Stop, Rewind, Rate and Queue change.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "midi/MidiEvent.h"
#include "midi/MidiTiming.h"
#include "midi/PlayList.h"

struct PlaybackSettings {
    const PlayList* list = nullptr;  // the document's play list
    unsigned division = 0;                // as the file gives it
    std::uint32_t tempo = kDefaultTempo;
    double rate = 1.0;                          // multiplies every wait
    std::optional<std::size_t> queuePosition;   // index into list
    // The queue position is where a Stop left the playback, not a record
    // chosen to start at: a run to the end forgets it.
    bool queuedByStop = false;
    std::array<std::uint8_t, 4> timeSignature{4, 2, 24, 8};
    // "Channel Program Events:" and ";" + each program change, for the
    // instruments' Channel dialog.
    const std::string* programSummary = nullptr;

    // Absolute tick of the queued record, or none.
    std::optional<std::uint64_t> QueuedTick() const;
    void Unqueue()
    {
        queuePosition.reset();
        queuedByStop = false;
    }
};

#pragma once
// The notes among the short messages an outside keyboard sends. Whatever
// channel the keyboard plays on, its notes count the same.
#include <cstdint>
#include <optional>

struct NoteMessage {
    int note = 0;      // 0..127
    bool on = false;
    int velocity = 0;  // 0 for a note on sent as a note off
};

// Null for every message that is not a note on or off. A note on with
// velocity 0 is a note off, as keyboards send it for running status.
std::optional<NoteMessage> DecodeNoteMessage(std::uint32_t shortMessage);

// The message that sounds the note on the output's first channel.
std::uint32_t NoteOnFirstChannel(const NoteMessage& note);

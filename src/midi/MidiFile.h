#pragma once
// Everything read from one Standard MIDI File: header, tracks with their
// event lists, the measure track, the merged play list, and the notices the
// document shows about it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "midi/MidiEvent.h"

struct MidiTrack {
    std::array<char, 4> tag{};  // as read, "MTrk"
    std::array<std::uint8_t, 4> lengthBytes{};
    std::uint32_t length = 0;         // as declared
    std::vector<std::uint8_t> data;   // the body bytes the file holds: at most `length`
    MidiEventList events;
};

enum class MidiNoticeIcon { Warning, Information };

// A message box to show once loading is over, in list order.
struct MidiNotice {
    std::string text;
    MidiNoticeIcon icon = MidiNoticeIcon::Warning;
};

struct MidiFile {
    std::array<char, 4> headerTag{};  // as read, "MThd"
    int format = 0;
    unsigned division = 0;            // ticks per quarter note
    std::uint64_t totalBytes = 0;     // header, chunk heads and bodies read
    bool parsed = false;              // the tracks were parsed and merged
    std::vector<MidiTrack> tracks;
    MidiEventList measureTrack;
    MidiEventList events;             // the play list
    std::string programSummary;       // "Channel Program Events:" and ";" + each program change
    std::size_t lineCount = 0;        // 5 + every track's record count
    std::vector<MidiNotice> notices;

    std::size_t trackCount() const { return tracks.size(); }
};

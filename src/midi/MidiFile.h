#pragma once
// Everything read from one Standard MIDI File: header, tracks, the measure
// track, the play list and the notices the document shows about it. Every
// track's records lie in one packed array, after the merge start record;
// a track is a stretch of it. Loaded once, a file does not change.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiEvent.h"
#include "midi/PlayList.h"

struct MidiTrack {
    std::array<char, 4> tag{};  // as read, "MTrk"
    std::array<std::uint8_t, 4> lengthBytes{};
    std::uint32_t length = 0;     // as declared
    std::uint64_t bytesRead = 0;  // the body bytes the file holds: at most `length`
    std::size_t first = 0;        // of its records in the file's records
    std::size_t count = 0;
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
    unsigned division = 0;            // as read: ticks per quarter note, or SMPTE time
    std::uint64_t totalBytes = 0;     // header, chunk heads and bodies read
    bool parsed = false;              // the tracks were parsed and merged
    std::vector<MidiTrack> tracks;
    // The merge start record, then every track's records in track order.
    MidiEventList records;
    MidiEventList measureTrack;
    // The measure track's ticks as listed: its bar lines, where its records
    // are their bars' markers, played a little before the line.
    std::vector<std::uint64_t> measureTicks;
    PlayList playList;
    std::string programSummary;       // "Channel Program Events:" and ";" + each program change
    std::size_t lineCount = 0;        // 5 + every track's record count
    std::vector<MidiNotice> notices;

    std::size_t trackCount() const { return tracks.size(); }
    std::span<const MidiEvent> TrackEvents(std::size_t track) const
    {
        return std::span<const MidiEvent>(records).subspan(tracks[track].first, tracks[track].count);
    }
};

#pragma once
// Loading a MIDI file by path, for the examine command and the benchmarks.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "midi/MidiFile.h"

class MidiPlayer;

// The whole file, or none when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

struct MidiExamination {
    bool readable = false;  // the file could be read; its content may still be rejected
    MidiFile file;          // its notices are the message boxes loading shows
};

MidiExamination ExamineMidiFile(const std::string& path, const MidiPlayer& player);

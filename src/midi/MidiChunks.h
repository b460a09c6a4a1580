#pragma once
// The chunk layer of a Standard MIDI File: the header and the track bodies.
#include <cstdint>
#include <span>

#include "midi/MidiFile.h"

// Fills the header fields, `totalBytes` and the tracks' tags, lengths and
// bodies, and adds a warning for each problem found. Returns false when the
// file is rejected: then it has no tracks.
bool ReadMidiChunks(std::span<const std::uint8_t> bytes, MidiFile& file);

#pragma once
// The chunk layer of a Standard MIDI File: the header and the track bodies.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "midi/MidiFile.h"

// Fills the header fields, `totalBytes` and the tracks' tags, lengths and
// bodies, and adds a warning for each problem found. Returns false when the
// file is rejected: then it has no tracks.
bool ReadMidiChunks(std::span<const std::uint8_t> bytes, MidiFile& file);

// The warning for track `number` (1-based) when only `read` of the `needed`
// bytes its records take are there.
std::string TrackCutShortText(std::size_t number, std::uint64_t read, std::uint64_t needed);

#pragma once
// The chunk layer of a Standard MIDI File: the header and the track bodies.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "midi/MidiFile.h"

// The bodies of the file's tracks, where `bytes` holds them, in track order.
using TrackBodies = std::vector<std::span<const std::uint8_t>>;

// Fills the header fields, `totalBytes` and the tracks' tags and lengths,
// gives the tracks' bodies, and adds a warning for each problem found.
// Returns false when the file is rejected: then it has no tracks.
bool ReadMidiChunks(std::span<const std::uint8_t> bytes, MidiFile& file, TrackBodies& bodies);

// The warning for track `number` (1-based) when only `read` of the `needed`
// bytes its records take are there.
std::string TrackCutShortText(std::size_t number, std::uint64_t read, std::uint64_t needed);

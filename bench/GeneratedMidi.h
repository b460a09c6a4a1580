#pragma once
// A deterministic format 1 file of 16 tracks with about `events` channel
// events in all: notes under running status, program and controller changes,
// and tempo and time-signature changes in the first track.
#include <cstddef>
#include <cstdint>
#include <vector>

std::vector<std::uint8_t> GenerateMidi(std::size_t events);

#pragma once
// Loading a Standard MIDI File of format 0 or 1: chunks, every track's events,
// the measure track, the play list and the notices to show afterwards.
#include <cstdint>
#include <span>

#include "midi/MidiFile.h"

class MidiPlayer;

MidiFile LoadMidiFile(std::span<const std::uint8_t> bytes, const MidiPlayer& player);

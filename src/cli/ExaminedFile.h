#pragma once
// A MIDI file loaded as its window loads it, for the subcommands that read
// one: "cannot read" and the loader's message boxes go to the error stream.
#include <optional>
#include <ostream>
#include <string>

#include "midi/MidiExamine.h"

class MidiPlayer;

// The error for a file that was read but is no MIDI file the loader plays.
std::string NotAMidiFile(const std::string& path);

// Nothing when the file cannot be read.
std::optional<MidiExamination> ExamineForCli(const std::string& path, const MidiPlayer& player, std::ostream& err);

#pragma once
// The MIDI name tables: note names by note number and General MIDI program
// names by program number.
#include <array>
#include <string>

struct NoteInfo {
    char name[4];  // sharp spelling, NUL-terminated
    int octave;    // note / 12: note 60 is "C" in octave 5
    int pitchClass;
};

using NoteTable = std::array<NoteInfo, 128>;
using ProgramNameTable = std::array<std::string, 128>;

NoteTable BuildNoteTable();
ProgramNameTable BuildProgramNames();

#pragma once
// The application-wide MIDI player. For now it holds the name tables that the
// MIDI listing and the instruments read; they are built once and never change.
#include "midi/MidiNames.h"

class MidiPlayer {
public:
    MidiPlayer();

    const NoteTable noteTable;
    const ProgramNameTable programNames;
};

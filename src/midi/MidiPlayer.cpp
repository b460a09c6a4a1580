#include "midi/MidiPlayer.h"

MidiPlayer::MidiPlayer() : noteTable(BuildNoteTable()), programNames(BuildProgramNames()) {}

#pragma once
// The message shown when the MIDI output does not open: the classic first
// line, what was tried, and how the user picks another output.
#include <string>

class IMidiOut;

std::string MidiOutputErrorText(const IMidiOut* output);

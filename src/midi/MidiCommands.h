#pragma once
// Command ids of a MIDI window and the playback rates of its Rate popup.
#include <array>
#include <string_view>

#include "framework/Menu.h"

enum MidiCommand {
    ID_MIDI_REWIND = 176,
    ID_MIDI_STOP = 180,
    ID_MIDI_PLAY = 183,
    ID_RATE_FIRST = 214,
    ID_RATE_LAST = 225,
    ID_MIDI_QUEUE = 228,
};

struct RateCommand {
    int commandId;
    std::string_view menuText;
    double rate;  // multiplies every wait
};

// In menu order, slowest first.
inline constexpr std::array<RateCommand, 12> kRateCommands{{
    {224, " 25%", 4.0},
    {223, " 33%", 3.0},
    {214, " 50%", 2.0},
    {215, " 67%", 1.5},
    {216, " 75%", 4.0 / 3.0},
    {217, " 88%", 8.0 / 7.0},
    {218, "100%", 1.0},
    {219, "112%", 8.0 / 9.0},
    {220, "120%", 5.0 / 6.0},
    {221, "125%", 0.8},
    {222, "133%", 0.75},
    {225, "150%", 2.0 / 3.0},
}};

// The table's entry for a command id, or null.
const RateCommand* FindRateCommand(int commandId);

// The Rate popup, from the table.
MenuPtr BuildRateMenu();

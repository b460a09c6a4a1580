#pragma once
// "Channel": which of the model's note tables marks an instrument's notes
// during playback, beside the program changes of the MIDI file the player
// takes its timing from.
#include <optional>
#include <string>

#include "framework/Dialog.h"

class IPrompts;

inline constexpr int kChannelChoice = 1049;
inline constexpr int kProgramList = 1067;

// channel: -1 every channel, 0 none, 1..16 one. programSummary: the
// ';'-separated summary of the current MIDI file, none without one.
DialogData MakeChannelDialog(int channel, const std::optional<std::string>& programSummary);

// The channel chosen, or none when the dialog was cancelled.
std::optional<int> RunChannelDialog(IPrompts& prompts, int channel, const std::optional<std::string>& programSummary);

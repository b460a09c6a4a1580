#pragma once
// The computer keys of the keyboard input recorder: 41 keys, key i sounds
// MIDI note 48 + i.
#include <optional>

inline constexpr int kRecorderKeyCount = 41;
inline constexpr int kRecorderFirstNote = 48;

// The recorder key a key code plays (letters in either case), or none.
std::optional<int> RecorderKeyFor(int keyCode);

#pragma once
// A scale spelled as theory books define it: each tone written as its
// interval number above the tonic with accidentals ("1 2 b3 3 4 5 6 b7").
// The number gives a tone its letter; the semitones, which the steps fix,
// give its accidentals.
#include <array>
#include <string_view>
#include <vector>

// The cells (semitones above the tonic, 0..11) that the steps fill, the
// tonic first, placed as the model places them: the step list ends after a
// step followed by a value <= 0, and tones outside the octave are dropped.
std::vector<int> ScaleTones(const std::array<int, 13>& steps);

// The interval number (1..7) of each tone of the steps, read from a
// spelling. Empty when a word is not a number 1..7 after any number of '#'
// or 'b', when the tonic is not 1, when a number is smaller than the one
// before it, or when the words do not name the tones one for one at their
// semitones.
std::vector<int> ReadDegreeSpelling(std::string_view text, const std::array<int, 13>& steps);

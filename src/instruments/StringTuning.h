#pragma once
// A stringed instrument's tuning as players write it: a note, a hyphen and
// an octave for every string from the first to the last, "E-3 A-3 D-4 G-4
// B-4 E-5" for a guitar (octave 5 starts at middle C). The details dialog
// and "morvix-cli draw --set tuning=" read it the same way.
#include <string>
#include <string_view>

class CNoteSpeller;
struct StringedInstrument;

inline constexpr int kLowestTuningOctave = 0;
inline constexpr int kHighestTuningOctave = 10;

// The strings' notes and octaves, two blanks apart.
std::string FormatTuning(const StringedInstrument& instrument);
// Sets every string's note and octave from text (blanks or commas between
// strings). False, changing nothing, with a sentence saying why in problem,
// when the text does not give exactly one known note and an octave from 0
// to 10 per string.
bool ReadTuning(std::string_view text, const CNoteSpeller& speller, StringedInstrument& instrument,
                std::string& problem);

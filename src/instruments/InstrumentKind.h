#pragma once
// Document kind codes of the instrument windows. The catalogue gives each
// entry one of the first four through the word of its outer group.
#include <string_view>

enum InstrumentKind : int {
    kNoInstrument = 0,
    kStringedInstrument = 2,
    kKeyboardInstrument = 3,
    kSheetInstrument = 4,
    kWindInstrument = 5,
    kKeyboardInputInstrument = 8,
};

// The kind a catalogue group caption names; 0 unless it is exactly a kind word.
InstrumentKind KindOfGroupWord(std::string_view caption);

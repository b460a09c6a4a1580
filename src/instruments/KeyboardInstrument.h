#pragma once
// A piano keyboard: its catalogue parameters (key count, first key, octave,
// clef, written offset, voice), how it is drawn, and its parts of the profile
// and the layout state string.
#include <algorithm>
#include <string>
#include <string_view>

#include "harmony/NoteCell.h"

class CNoteSpeller;
class ISettings;

int BoundKeyCount(int keyCount);

struct KeyboardInstrument {
    // Keys drawn at most: every MIDI note once. A wilder count from a profile
    // or a layout would only make a grid no window can show.
    static constexpr int kMaxKeys = 128;

    int keyCount = 0;
    NoteCell tuning = MakeCell("C");  // note name of the lowest key
    int octave = 5;
    char clef = 'G';
    int written = 0;
    int voice = 0;
    char topKey = 'o';       // black keys: 'c' clear, 't' translucent, 'o' opaque
    char position = 's';     // 's' laid out from C, 'm' moving with the tonic
    char orientation = 'a';  // 'a' horizontal, 'd' vertical
    char perspective = 'n';

    // The catalogue parameters in their order, then the drawing choices to
    // their defaults.
    void SetDefaults(std::string_view entryText);

    // False, changing nothing, when the section holds no profile ("N"
    // absent): the caller then resets from the catalogue.
    bool LoadSettings(ISettings& settings, const std::string& section);
    void SaveSettings(ISettings& settings, const std::string& section) const;

    // The "_Keyboard" part of a layout state string.
    std::string FormatState() const;
    // Reads the "_Keyboard" part; false, changing nothing, when the tag is
    // missing or malformed. A first-key name the speller does not know
    // becomes "C".
    bool ParseState(std::string_view text, const CNoteSpeller& speller);

    // A horizontal keyboard's window is 60 columns by 13 rows; a vertical
    // one as wide as a key and as high as its keys need, up to 40 rows.
    int DefaultColumns() const { return orientation == 'd' ? 42 : 60; }
    int DefaultRows() const { return orientation == 'd' ? std::min(BoundKeyCount(keyCount) * 7 / 3 + 2, 40) : 13; }
};

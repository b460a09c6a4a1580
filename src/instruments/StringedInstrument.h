#pragma once
// A fretted (or unfretted) stringed instrument of up to 32 strings: its
// tuning from the catalogue, how its board is drawn, and its parts of the
// profile and the layout state string.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "harmony/NoteCell.h"

class CNoteSpeller;
class ISettings;

int BoundFretCount(int fretCount);

struct StringedInstrument {
    static constexpr int kMaxStrings = 32;
    // Frets drawn at most: fret numbers keep two digits and every note stays
    // within the MIDI range of a playable string.
    static constexpr int kMaxFrets = 99;

    int stringCount = 0;
    std::array<NoteCell, kMaxStrings> tunings{};
    std::array<int, kMaxStrings> octaves{};
    char clef = 'G';
    int written = 0;
    int voice = 24;
    char stringType = 's';   // 's' single, 'd' double lines
    char fretStatus = 'y';   // 'y' fret wires shown, 'n' hidden
    int fretCount = 22;
    char handedness = 'r';   // 'r' right, 'l' left
    char orientation = 'a';  // 'a' horizontal board, 'd' vertical
    char perspective = 'r';  // 'n' normal, 'r' strings from the last to the first
    // The fret a capo clamps, 0 for none: the frets below it do not sound.
    int capo = 0;

    bool BelowCapo(int fret) const { return fret < capo; }

    // The catalogue parameters: fret status, string count, a name and an
    // octave per string, clef, written offset, voice; then the drawing
    // choices to their defaults. Only the strings the text really lists
    // count, and strings beyond 32 are not read.
    void SetDefaults(std::string_view entryText);

    // False, changing nothing, when the section holds no usable profile
    // (no "N", or a string count that does not fit): the caller then resets
    // from the catalogue.
    bool LoadSettings(ISettings& settings, const std::string& section);
    void SaveSettings(ISettings& settings, const std::string& section) const;

    // The "_Stringed" part of a layout state string, followed by a "_Capo"
    // part when a capo is set.
    std::string FormatState() const;
    // Reads the "_Stringed" part; false, changing nothing, when the tag is
    // missing or malformed or the string count does not fit. A count above
    // the strings listed takes the listed ones; names the speller does not
    // know become "C"; the fret count is bounded. A string without a "_Capo"
    // part after it has no capo.
    bool ParseState(std::string_view text, const CNoteSpeller& speller);

    // The window's text grid by default: a horizontal board 60 columns and
    // a row per string and three more; a vertical one a column of cells per
    // string with the fret numbers, and two rows per fret up to 40.
    int DefaultColumns() const { return orientation == 'd' ? 4 * stringCount + 6 : 60; }
    int DefaultRows() const { return orientation == 'd' ? std::min(2 * BoundFretCount(fretCount) + 2, 40) : stringCount + 3; }
};

// The strings a catalogue entry's parameters count, and how many of them
// they really list (note and octave pairs before the clef, written offset
// and voice).
struct CountedStrings {
    int declared = 0;
    int listed = 0;
};
CountedStrings CountCatalogueStrings(std::string_view entryText);

// A capo lies on the board or nowhere: 0 to the most frets drawn.
int BoundCapo(int capo);

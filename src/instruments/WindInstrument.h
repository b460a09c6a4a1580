#pragma once
// A recorder: the note it sounds with every hole closed, from which the
// fingering charts of the model's notes are drawn, and its parts of the
// profile and the layout state string.
#include <string>
#include <string_view>

#include "harmony/NoteCell.h"

class CNoteSpeller;
class ISettings;

struct WindInstrument {
    NoteCell tuning = MakeCell("C");
    int octave = 5;
    char clef = 'G';
    int written = 0;
    int voice = 74;

    // The catalogue parameters: all-closed note, octave, clef, written
    // offset, voice.
    void SetDefaults(std::string_view entryText);

    // False, changing nothing, when the section holds no profile ("Tuning"
    // absent): the caller then resets from the catalogue.
    bool LoadSettings(ISettings& settings, const std::string& section);
    void SaveSettings(ISettings& settings, const std::string& section) const;

    // The "_Recorder" part of a layout state string.
    std::string FormatState() const;
    // Reads the "_Recorder" part; false, changing nothing, when the tag is
    // missing or malformed. A name the speller does not know becomes "C".
    bool ParseState(std::string_view text, const CNoteSpeller& speller);

    int DefaultColumns() const { return 40; }
    int DefaultRows() const { return 19; }
};

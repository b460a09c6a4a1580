#pragma once
// The sheet music staff: its clef method, whether the notes are written at
// every octave or at alternate ones, the playback highlight, and its parts of
// the profile and the layout state string.
#include <string>
#include <string_view>

class ISettings;
struct InstrumBase;

struct SheetInstrument {
    char clefCode = 'G';
    char highlight = 'n';  // 'y' shows the moving playback position
    char showNotes = 'a';  // 'e' every octave, 'a' alternate octaves; not kept in the profile
    // Set while a MIDI file plays into the model: the played notes are drawn
    // instead of the scale's.
    bool playbackActive = false;

    // The clef code is the whole catalogue text.
    void SetDefaults(std::string_view entryText);

    // False, changing nothing, when the section holds no profile
    // ("SheetClef" absent): the caller then resets from the catalogue.
    bool LoadSettings(ISettings& settings, const std::string& section);
    void SaveSettings(ISettings& settings, const std::string& section) const;

    // The "_Sheet" part of a layout state string.
    std::string FormatState() const;
    // Reads the "_Sheet" part; false, changing nothing, when the tag is
    // missing or malformed.
    bool ParseState(std::string_view text);

    int DefaultColumns() const { return 128; }
    int DefaultRows() const { return 75; }
};

// What a sheet's reset changes in the common fields besides their defaults:
// half-height font cells and the graph view.
void ApplySheetBaseDefaults(InstrumBase& base);

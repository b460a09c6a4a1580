#pragma once
// What every instrument window keeps besides its own fields: notation and
// chord set, view style and colours, the font as chosen and measured, the
// window and scroll state, and the text grid the instrument draws into.
// Plain data: the document that holds it applies it to its frame and view.
#include <string>
#include <string_view>
#include <vector>

#include "framework/Drawing.h"
#include "framework/Font.h"
#include "framework/Placement.h"

class ISettings;

inline constexpr const char* kLineDrawLightFace = "Morvix LineDraw Light";

struct InstrumBase {
    char notation = 'e';
    char chordset = 'c';
    char chordTones = 'n';  // chord tones by name, or 'i' by interval number
    char viewStyle = 't';
    Color foreColor = 0;
    Color backColor = 16777215;
    Color highlightForeColor = 8388608;
    Color highlightBackColor = 8454143;

    double fontHeightRatio = 1.0;
    double fontWidthRatio = 1.0;
    int fontHeightNormal = 12;
    int fontWidthNormal = 8;
    int descent = 2;
    int charSet = 255;  // as measured; 2 and 255 have the line-drawing glyphs
    LogFont logFont{};

    WindowPlacement placement{};
    int scrollWidth = 250, scrollHeight = 90;
    int scrollX = 0, scrollY = 0;

    std::vector<std::string> lines = std::vector<std::string>(kLineSlots);
    int lineCount = 0;

    static constexpr int kLineSlots = 256;

    // Notation, chord tones, view style and colours to their defaults;
    // chordset stays.
    void SetBaseDefaults();
    // 256 empty lines, none valid.
    void ClearLines();
    // Adds a line after the valid ones, growing the grid when it is full.
    void AppendLine(std::string line);
    // The first lineCount lines.
    std::vector<std::string> ValidLines() const;
    bool UsesLineDrawing() const { return charSet == 2 || charSet == 255; }
    // The font's height and width from the measured cell and the ratios.
    void ApplyFontRatios();

    // Every value one the program itself makes: known codes, font ratios the
    // details dialogs allow, measured cells and scroll sizes of sane size, a
    // placement that shows.
    bool InRange() const;

    // The "_Vanilla" part of a layout state string: its fields up to "$ ",
    // then "_ChordTones n " (a string without it reads as names).
    std::string FormatVanillaState() const;
    // Reads the "_Vanilla" part; false, changing nothing, when the tag is
    // missing or malformed or a value is out of range. The font face starts from oemFont's description.
    bool ParseVanillaState(std::string_view text, const LogFont& oemFont);

    // The common keys of an instrument's profile in section; kind 4 (sheet
    // music) reads a height ratio of exactly 1 as 0.5. A missing key or a
    // value out of range reads as its default.
    void LoadBaseSettings(ISettings& settings, const std::string& section, int kind, const LogFont& oemFont);
    void SaveBaseSettings(ISettings& settings, const std::string& section) const;
};

// The font ratios the details dialogs allow, 10% to 150%.
inline constexpr double kSmallestFontRatio = 0.1;
inline constexpr double kLargestFontRatio = 1.5;
bool IsFontRatio(double ratio);
// A measured character cell's height or width, or a descent, in pixels.
inline constexpr int kLargestCell = 4096;

// The integer part of normal × ratio, kept within a sane pixel range so that
// a wild ratio from a profile or layout cannot overflow.
int ScaledFontSize(int normal, double ratio);

#pragma once
// Draws a recorder's fingering charts: one chart of its eight holes for
// every note of the model within its range of 27 semitones, side by side in
// blocks of at most 19 charts.
#include <array>
#include <string_view>
#include <vector>

class CNoteSpeller;
struct InstrumBase;
struct NoteSources;
struct WindInstrument;

// Baroque fingerings, pattern i for the note i semitones above the
// all-closed note; per hole (thumb first) 'C' closed, 'O' open, 'P' half.
inline constexpr std::array<std::string_view, 27> kBaroqueFingerings = {
    "CCCCCCCC", "CCCCCCCP", "CCCCCCCO", "CCCCCCPO", "CCCCCCOO", "CCCCCOCC", "CCCCOCCO",
    "CCCCOOOO", "CCCOCCPO", "CCCOOOOO", "CCOCCOOO", "CCOOOOOO", "COCOOOOO", "OCCOOOOO",
    "OOCOOOOO", "OOCCCCCO", "PCCCCCOO", "PCCCCOCO", "PCCCOCOO", "PCCCOOOO", "PCCOCOOO",
    "PCCOOOOO", "PCCOCCCO", "PCCOCCOO", "PCOOCCOO", "PCOCCCOC", "PCOCCOCO",
};

// A chart the window shows: the note's label and its pattern.
struct ShownFingering {
    std::string_view label;
    std::string_view pattern;
};

// The charts in the order drawn; labels point into sources.
std::vector<ShownFingering> ShownFingerings(const WindInstrument& instrument, const NoteSources& sources,
                                            const CNoteSpeller& speller);

// Rebuilds base.lines and base.lineCount; the base's charSet chooses
// line-drawing or ASCII separators. The charts follow the model, not live
// playback.
void BuildFingeringCharts(const WindInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller,
                          InstrumBase& base);

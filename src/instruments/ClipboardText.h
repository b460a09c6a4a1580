#pragma once
// The text that Copy All and Vignette put on the clipboard: lines of the
// instrument's grid, each ended by CR LF, and one more CR LF.
#include <string>

struct InstrumBase;

// What of the grid the window shows: its scroll position, client size and
// the font's cell.
struct VisibleArea {
    int scrollX = 0, scrollY = 0;
    int clientWidth = 0, clientHeight = 0;
    int fontWidth = 1, fontHeight = 1;
};

std::string CopyAllText(const InstrumBase& base);
std::string VignetteText(const InstrumBase& base, const VisibleArea& area);
// The grid's bytes as UTF-8: line-drawing bytes become box-drawing characters.
std::string GridTextToUtf8(const std::string& bytes);

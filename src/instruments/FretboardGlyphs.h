#pragma once
// The pieces a fretboard is drawn with: code page 437 box-drawing bytes for
// a line-drawing font, ASCII otherwise, single or double lines for strings.
#include <string>

struct FretboardGlyphs {
    std::string nut;             // both sides of the open string (horizontal board)
    char segment = '-';          // a stretch of string
    std::string wireSegment;     // fret wire then string, nut on the right
    std::string segmentWire;     // string then fret wire, nut on the left
    char stringGlyph = '|';      // a vertical string where no note is
    char crossing = '+';         // nut and wire lines across a vertical string
    // A capo drawn on the wire before its fret: a heavier line where it
    // crosses a string, and between the strings of a vertical board.
    char capoWire = '#';
    char capoSegment = '=';
};

FretboardGlyphs SelectFretboardGlyphs(bool lineDrawing, bool doubleStrings, bool vertical);

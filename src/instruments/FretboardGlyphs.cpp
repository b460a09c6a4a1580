#include "instruments/FretboardGlyphs.h"

namespace {

constexpr char kSingleHorizontal = '\xC4';
constexpr char kDoubleHorizontal = '\xCD';
constexpr char kSingleCross = '\xC5';
constexpr char kDoubleHorizontalCross = '\xD8';
constexpr char kDoubleVerticalCross = '\xD7';
constexpr char kSingleVertical = '\xB3';
constexpr char kDoubleVertical = '\xBA';
constexpr char kDoubleCross = '\xCE';

FretboardGlyphs AsciiGlyphs(bool doubleStrings, bool vertical)
{
    char segment = doubleStrings && !vertical ? '=' : '-';
    char horizontal = doubleStrings ? '=' : '-';
    return {"|", segment, std::string{'|', horizontal}, std::string{horizontal, '|'}, '|', '+', '#', '='};
}

FretboardGlyphs LineDrawingGlyphs(bool doubleStrings, bool vertical)
{
    char wire = doubleStrings ? kDoubleHorizontalCross : kSingleCross;
    char horizontal = doubleStrings ? kDoubleHorizontal : kSingleHorizontal;
    char segment = doubleStrings && !vertical ? kDoubleHorizontal : kSingleHorizontal;
    // Across a horizontal board the capo doubles the wire's vertical line,
    // across a vertical one its horizontal line.
    char capoSingle = vertical ? kDoubleHorizontalCross : kDoubleVerticalCross;
    return {std::string(1, wire),
            segment,
            std::string{wire, horizontal},
            std::string{horizontal, wire},
            doubleStrings ? kDoubleVertical : kSingleVertical,
            doubleStrings ? kDoubleVerticalCross : kSingleCross,
            doubleStrings ? kDoubleCross : capoSingle,
            kDoubleHorizontal};
}

} // namespace

FretboardGlyphs SelectFretboardGlyphs(bool lineDrawing, bool doubleStrings, bool vertical)
{
    return lineDrawing ? LineDrawingGlyphs(doubleStrings, vertical) : AsciiGlyphs(doubleStrings, vertical);
}

#include "instruments/SheetClefs.h"

#include <array>

namespace {

constexpr std::array<ClefMethod, 12> kClefs = {{
    {'G', "        Treble         ", 'G', 13, 2, 22, false},
    {'V', "        French         ", 'G', 15, 4, 20, false},
    {'4', "        Soprano        ", 'G', 11, 0, 24, false},
    {'3', "        Soprano        ", 'C', 15, 0, 24, false},
    {'M', "         Mezzo         ", 'C', 13, 5, 26, false},
    {'C', "         Alto          ", 'C', 11, 3, 28, false},
    {'T', "         Tenor         ", 'C', 9, 1, 30, false},
    {'2', "       Baritone        ", 'C', 7, 6, 32, false},
    {'1', "       Baritone        ", 'F', 11, 6, 32, false},
    {'F', "         Bass          ", 'F', 9, 4, 34, false},
    {'L', "        Sub Bass       ", 'F', 7, 2, 36, false},
    {'P', "        Treble       Bass          ", 'G', 13, 4, 22, true},
}};

// Glyphs of one staff position: top line, inner lines, bottom line, and
// the rows between the lines.
struct BarGlyphs {
    char top, inner, bottom, between;
};

struct StaffGlyphs {
    char line;
    BarGlyphs bar, leftEdge, rightEdge;
};

constexpr StaffGlyphs kAsciiGlyphs{'-', {'-', '+', '-', '|'}, {'-', '+', '-', '|'}, {'-', '+', '-', '|'}};
constexpr StaffGlyphs kLineDrawingGlyphs{'\xC4',
                                         {'\xC2', '\xC5', '\xC1', '\xB3'},
                                         {'\xDA', '\xC3', '\xC0', '\xB3'},
                                         {'\xBF', '\xB4', '\xD9', '\xB3'}};

// The row within one five-line staff: 0 top line to 8 bottom line; -1
// outside.
int StaffPosition(int row, bool grand)
{
    if (row >= 7 && row <= 15)
        return row - 7;
    if (grand && row >= 19 && row <= 27)
        return row - 19;
    return -1;
}

std::string BarColumn(const BarGlyphs& glyphs, int rows, bool grand)
{
    std::string column(static_cast<std::size_t>(rows), ' ');
    for (int row = 0; row < rows; ++row) {
        int position = StaffPosition(row, grand);
        char& c = column[static_cast<std::size_t>(row)];
        if (position == 0)
            c = glyphs.top;
        else if (position == 8)
            c = glyphs.bottom;
        else if (position > 0)
            c = position % 2 == 0 ? glyphs.inner : glyphs.between;
    }
    return column;
}

} // namespace

const ClefMethod* FindClef(char code)
{
    for (const ClefMethod& clef : kClefs)
        if (clef.code == code)
            return &clef;
    return nullptr;
}

bool IsStaffLineRow(int row, bool grand)
{
    int position = StaffPosition(row, grand);
    return position >= 0 && position % 2 == 0;
}

StaffColumns MakeStaffColumns(bool lineDrawing, bool grand)
{
    const StaffGlyphs& glyphs = lineDrawing ? kLineDrawingGlyphs : kAsciiGlyphs;
    int rows = grand ? kGrandStaffRows : kStaffRows;
    StaffColumns columns;
    columns.fill.assign(static_cast<std::size_t>(rows), ' ');
    for (int row = 0; row < rows; ++row)
        if (IsStaffLineRow(row, grand))
            columns.fill[static_cast<std::size_t>(row)] = glyphs.line;
    columns.bar = BarColumn(glyphs.bar, rows, grand);
    columns.leftEdge = BarColumn(glyphs.leftEdge, rows, grand);
    columns.rightEdge = BarColumn(glyphs.rightEdge, rows, grand);
    columns.lineGlyph = glyphs.line;
    return columns;
}

#pragma once
// The twelve clef methods of the sheet music staff and the glyph columns the
// staff is built from.
#include <string>
#include <string_view>

struct ClefMethod {
    char code;
    std::string_view label;  // written down column 0, one character per row
    char letter;             // clef letter: G, C or F
    int clefRow;
    int bottomLetter;        // index in "CDEFGAB" of the lowest row's letter
    int firstLine;           // grid line of the block's row 0; middle C falls on line 39
    bool grand;              // 35 rows: treble and bass staff together
};

inline constexpr std::string_view kLetters = "CDEFGAB";

// The index of a note letter in kLetters; -1 for any other character.
inline int LetterIndex(char letter)
{
    std::size_t index = kLetters.find(letter);
    return index == std::string_view::npos ? -1 : static_cast<int>(index);
}

// The clef of a code; none for a code outside the table.
const ClefMethod* FindClef(char code);

// Where a staff without a known clef stands: as the treble staff.
inline constexpr int kPlainBottomLetter = 2;
inline constexpr int kPlainFirstLine = 22;

inline constexpr int kStaffRows = 23;
inline constexpr int kGrandStaffRows = 35;
inline constexpr int kGrandBassClefRow = 21;

// Staff lines of the block: rows 7 to 15, and 19 to 27 on the grand staff.
bool IsStaffLineRow(int row, bool grand);

// The four columns of a block's height, and the staff line glyph that note
// labels on line rows are framed with.
struct StaffColumns {
    std::string fill;
    std::string bar;
    std::string leftEdge;
    std::string rightEdge;
    char lineGlyph;
};

StaffColumns MakeStaffColumns(bool lineDrawing, bool grand);

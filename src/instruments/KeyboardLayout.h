#pragma once
// The constant tables a keyboard is laid out from: per pitch class the
// template cells a key takes in the text grid, and the key images of the
// graph view with their overlaps and label offsets.
#include <array>
#include <string>

struct KeyLayoutRow {
    int close;        // template that ends the keyboard when this would be the next key
    int cellCount;
    std::array<int, 4> cells;
    int labelPosition;  // 10 on white keys, 28 on black ones
    int labelCell;
    int open;         // template that starts the keyboard at this key; -1 none
};

inline constexpr std::array<KeyLayoutRow, 12> kKeyLayout = {{
    {0, 4, {0, 1, 1, 2}, 10, 2, -1},
    {3, 1, {3}, 28, 0, 2},
    {4, 3, {4, 1, 2}, 10, 1, 3},
    {3, 1, {3}, 28, 0, 2},
    {4, 3, {4, 1, 1}, 10, 1, 3},
    {0, 4, {0, 1, 1, 2}, 10, 2, -1},
    {3, 1, {3}, 28, 0, 2},
    {4, 3, {4, 1, 2}, 10, 1, 3},
    {3, 1, {3}, 28, 0, 2},
    {4, 3, {4, 1, 2}, 10, 1, 3},
    {3, 1, {3}, 28, 0, 2},
    {4, 3, {4, 1, 1}, 10, 1, 3},
}};

inline bool IsBlackKeyRow(const KeyLayoutRow& row)
{
    return row.labelPosition > 15;
}

// The five key templates of one orientation: columns of 12 characters for
// the horizontal keyboard ('a'), lines of 41 for the vertical one. Template 3
// (the black key) is filled as topKey says: 'c' clear, 't' translucent, 'o'
// opaque.
using KeyTemplates = std::array<std::string, 5>;
KeyTemplates SelectKeyTemplates(bool lineDrawing, char orientation, char topKey);

struct KeyImage {
    int horizontalImage;  // resource id, 29 x 152 (white) or 17 x 152 (black)
    int verticalImage;    // the same key turned
    int overlap;
    int width;
    int across;  // label offset across the key
    int along;   // label offset along it; 100 or more on white keys
};

inline constexpr std::array<KeyImage, 12> kKeyImages = {{
    {142, 188, 1, 29, 14, 112},
    {144, 189, 11, 17, 8, 38},
    {145, 190, 7, 29, 14, 112},
    {146, 191, 7, 17, 8, 38},
    {147, 192, 11, 29, 14, 112},
    {148, 193, 1, 29, 14, 112},
    {149, 194, 13, 17, 8, 38},
    {150, 195, 5, 29, 14, 112},
    {151, 196, 9, 17, 8, 38},
    {152, 197, 9, 29, 14, 112},
    {153, 198, 5, 17, 8, 38},
    {154, 187, 13, 29, 14, 112},
}};

inline constexpr int kKeyImageLength = 152;

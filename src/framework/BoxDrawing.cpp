#include "framework/BoxDrawing.h"

#include <array>

namespace {

struct Entry {
    char16_t code;
    BoxArms arms;
};

// Left, right, up, down.
constexpr std::array<Entry, 42> kTable = {{
    {u'\u2500', {1, 1, 0, 0}}, {u'\u2501', {1, 1, 0, 0}}, {u'\u2502', {0, 0, 1, 1}}, {u'\u2503', {0, 0, 1, 1}},
    {u'\u250C', {0, 1, 0, 1}}, {u'\u2510', {1, 0, 0, 1}}, {u'\u2514', {0, 1, 1, 0}}, {u'\u2518', {1, 0, 1, 0}},
    {u'\u251C', {0, 1, 1, 1}}, {u'\u2524', {1, 0, 1, 1}}, {u'\u252C', {1, 1, 0, 1}}, {u'\u2534', {1, 1, 1, 0}},
    {u'\u253C', {1, 1, 1, 1}}, {u'\u2550', {2, 2, 0, 0}}, {u'\u2551', {0, 0, 2, 2}}, {u'\u2552', {0, 2, 0, 1}},
    {u'\u2553', {0, 1, 0, 2}}, {u'\u2554', {0, 2, 0, 2}}, {u'\u2555', {2, 0, 0, 1}}, {u'\u2556', {1, 0, 0, 2}},
    {u'\u2557', {2, 0, 0, 2}}, {u'\u2558', {0, 2, 1, 0}}, {u'\u2559', {0, 1, 2, 0}}, {u'\u255A', {0, 2, 2, 0}},
    {u'\u255B', {2, 0, 1, 0}}, {u'\u255C', {1, 0, 2, 0}}, {u'\u255D', {2, 0, 2, 0}}, {u'\u255E', {0, 2, 1, 1}},
    {u'\u255F', {0, 1, 2, 2}}, {u'\u2560', {0, 2, 2, 2}}, {u'\u2561', {2, 0, 1, 1}}, {u'\u2562', {1, 0, 2, 2}},
    {u'\u2563', {2, 0, 2, 2}}, {u'\u2564', {2, 2, 0, 1}}, {u'\u2565', {1, 1, 0, 2}}, {u'\u2566', {2, 2, 0, 2}},
    {u'\u2567', {2, 2, 1, 0}}, {u'\u2568', {1, 1, 2, 0}}, {u'\u2569', {2, 2, 2, 0}}, {u'\u256A', {2, 2, 1, 1}},
    {u'\u256B', {1, 1, 2, 2}}, {u'\u256C', {2, 2, 2, 2}},
}};

// The offsets of a single line (one stroke through the centre) or a double
// one (two strokes a stroke's width either side of it).
std::vector<int> Offsets(int kind, int stroke)
{
    return kind == 2 ? std::vector<int>{-2 * stroke, 2 * stroke} : std::vector<int>{0};
}

} // namespace

std::optional<BoxArms> BoxArmsOf(char16_t code)
{
    for (const Entry& entry : kTable)
        if (entry.code == code)
            return entry.arms;
    return std::nullopt;
}

std::vector<Rect> BoxStrokes(const Rect& cell, const BoxArms& arms, int stroke)
{
    int width = cell.right - cell.left;
    int height = cell.bottom - cell.top;
    int cx = cell.left + width / 2 - stroke / 2;
    int cy = cell.top + height / 2 - stroke / 2;
    std::vector<Rect> strokes;
    auto horizontal = [&](int kind, int from, int to) {
        for (int offset : Offsets(kind, stroke))
            strokes.push_back({from, cy + offset, to, cy + offset + stroke});
    };
    auto vertical = [&](int kind, int from, int to) {
        for (int offset : Offsets(kind, stroke))
            strokes.push_back({cx + offset, from, cx + offset + stroke, to});
    };
    if (arms.left)
        horizontal(arms.left, cell.left, cx + stroke);
    if (arms.right)
        horizontal(arms.right, cx, cell.right);
    if (arms.up)
        vertical(arms.up, cell.top, cy + stroke);
    if (arms.down)
        vertical(arms.down, cy, cell.bottom);
    return strokes;
}

bool IsHeavyFont(const LogFont& font)
{
    return font.weight >= 600 || font.faceName == "Morvix LineDraw Heavy";
}

int BoxStrokeWidth(const LogFont& font)
{
    return IsHeavyFont(font) ? 2 : 1;
}

#include "platform/qt/BoxGlyphs.h"

#include <QPainter>

#include <array>

namespace {

struct Entry {
    char16_t code;
    BoxArms arms;
};

// Left, right, up, down.
constexpr std::array<Entry, 41> kTable = {{
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
    {u'\u256B', {1, 1, 2, 2}},
}};

// The offsets of a single line (one stroke through the centre) or a double
// one (two strokes a stroke's width either side of it).
std::array<int, 2> Offsets(int kind, int stroke)
{
    return kind == 2 ? std::array<int, 2>{-2 * stroke, 2 * stroke} : std::array<int, 2>{0, 0};
}

} // namespace

std::optional<BoxArms> BoxArmsOf(char16_t code)
{
    if (code == u'\u256C')
        return BoxArms{2, 2, 2, 2};
    for (const Entry& entry : kTable)
        if (entry.code == code)
            return entry.arms;
    return std::nullopt;
}

// Horizontal arms run from the cell's edge to its centre and vertical arms
// likewise, so that the strokes of neighbouring cells meet edge to edge.
void DrawBoxGlyph(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& color, int stroke)
{
    int cx = cell.left() + cell.width() / 2 - stroke / 2;
    int cy = cell.top() + cell.height() / 2 - stroke / 2;
    int right = cell.left() + cell.width();
    int bottom = cell.top() + cell.height();
    auto horizontal = [&](int kind, int from, int to) {
        for (int offset : Offsets(kind, stroke))
            painter.fillRect(QRect(from, cy + offset, to - from, stroke), color);
    };
    auto vertical = [&](int kind, int from, int to) {
        for (int offset : Offsets(kind, stroke))
            painter.fillRect(QRect(cx + offset, from, stroke, to - from), color);
    };
    if (arms.left)
        horizontal(arms.left, cell.left(), cx + stroke);
    if (arms.right)
        horizontal(arms.right, cx, right);
    if (arms.up)
        vertical(arms.up, cell.top(), cy + stroke);
    if (arms.down)
        vertical(arms.down, cy, bottom);
}

#include "instruments/IdentifyLayout.h"

#include <algorithm>
#include <array>

namespace {

// The white key each pitch class lies on or to the right of.
constexpr std::array<int, 12> kWhiteIndex{0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
constexpr std::array<bool, 12> kBlack{false, true, false, true, false, false, true, false, true, false, true, false};
constexpr int kWhiteKeys = 7;

} // namespace

IdentifyLayout::IdentifyLayout(int lineHeight, int charWidth)
    : lineHeight_(std::max(lineHeight, 1)), charWidth_(std::max(charWidth, 1))
{
}

bool IdentifyLayout::IsBlack(int pitchClass)
{
    return kBlack[static_cast<std::size_t>(((pitchClass % 12) + 12) % 12)];
}

Rect IdentifyLayout::KeyRect(int pitchClass) const
{
    int white = kWhiteIndex[static_cast<std::size_t>(pitchClass)];
    int left = kMargin + white * kWhiteWidth;
    if (!IsBlack(pitchClass))
        return Rect{left, kMargin, left + kWhiteWidth, kMargin + kWhiteHeight};
    int center = left + kWhiteWidth;
    return Rect{center - kBlackWidth / 2, kMargin, center + kBlackWidth / 2, kMargin + kBlackHeight};
}

int IdentifyLayout::KeyAt(int x, int y) const
{
    auto inside = [x, y](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
    for (int p = 0; p < 12; ++p)
        if (IsBlack(p) && inside(KeyRect(p)))
            return p;
    for (int p = 0; p < 12; ++p)
        if (!IsBlack(p) && inside(KeyRect(p)))
            return p;
    return -1;
}

int IdentifyLayout::NotesTop() const
{
    return kMargin + kWhiteHeight + kMargin;
}

int IdentifyLayout::HeaderTop() const
{
    return NotesTop() + 2 * lineHeight_;
}

int IdentifyLayout::ResultTop(int row) const
{
    return HeaderTop() + (row + 1) * lineHeight_;
}

int IdentifyLayout::RowAt(int y, int count) const
{
    if (y < ResultTop(0))
        return -1;
    int row = (y - ResultTop(0)) / lineHeight_;
    return row < count ? row : -1;
}

Size IdentifyLayout::DrawingSize(int count, int columns) const
{
    int width = std::max(2 * kMargin + kWhiteKeys * kWhiteWidth, 2 * kMargin + columns * charWidth_);
    return Size{width, ResultTop(count) + kMargin};
}

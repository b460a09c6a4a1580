#pragma once
// Box-drawing characters drawn as strokes rather than taken from the font:
// a font's thin strokes are smoothed to grey and may stop short of the
// cell's edge, so neighbouring cells would not meet.
#include <QColor>
#include <QRect>

#include <optional>

class QPainter;

// The arms of a box-drawing character from its cell's centre: 0 none,
// 1 single line, 2 double line.
struct BoxArms {
    int left = 0, right = 0, up = 0, down = 0;
};

// The arms of a character of the box-drawing block; none for others.
std::optional<BoxArms> BoxArmsOf(char16_t code);
// Draws the arms in the cell with strokes of the given width.
void DrawBoxGlyph(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& color, int stroke);

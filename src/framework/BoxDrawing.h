#pragma once
// Box-drawing characters drawn as strokes rather than taken from a font: a
// font's thin strokes are smoothed to grey and may stop short of the cell's
// edge, so neighbouring cells would not meet. The window, the printer and
// exported pictures all draw them from these strokes.
#include <optional>
#include <vector>

#include "framework/Font.h"
#include "framework/Placement.h"

// The arms of a box-drawing character from its cell's centre: 0 none,
// 1 single line, 2 double line.
struct BoxArms {
    int left = 0, right = 0, up = 0, down = 0;
};

// The arms of a character of the box-drawing block; none for others.
std::optional<BoxArms> BoxArmsOf(char16_t code);
// The rectangles that draw the arms in the cell with strokes of the given
// width: horizontal arms run from the cell's edge to its centre and
// vertical arms likewise, so that the strokes of neighbouring cells meet
// edge to edge.
std::vector<Rect> BoxStrokes(const Rect& cell, const BoxArms& arms, int stroke);
// A bold font, or the heavy line-drawing face, which is bold by design.
bool IsHeavyFont(const LogFont& font);
// Strokes of a bold or heavy line-drawing font are two pixels wide.
int BoxStrokeWidth(const LogFont& font);

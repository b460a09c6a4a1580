#pragma once
// Box-drawing characters painted as the strokes framework/BoxDrawing gives.
#include <QColor>
#include <QRect>

#include "framework/BoxDrawing.h"

class QPainter;

// Draws the arms in the cell with strokes of the given width.
void DrawBoxGlyph(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& color, int stroke);

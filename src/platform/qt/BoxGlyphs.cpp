#include "platform/qt/BoxGlyphs.h"

#include <QPainter>

void DrawBoxGlyph(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& color, int stroke)
{
    Rect bounds{cell.left(), cell.top(), cell.left() + cell.width(), cell.top() + cell.height()};
    for (const Rect& part : BoxStrokes(bounds, arms, stroke))
        painter.fillRect(QRect(part.left, part.top, part.right - part.left, part.bottom - part.top), color);
}

#pragma once
// The core's colours keep red in the lowest byte, then green, then blue.
#include <QColor>

#include "framework/Drawing.h"

inline QColor ToQColor(Color color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

inline Color FromQColor(const QColor& color)
{
    return MakeColor(color.red(), color.green(), color.blue());
}

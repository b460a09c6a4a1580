#pragma once
// Window placements as Qt geometry and window states. Stored placements
// come from files and settings, so odd rectangles are brought into range.
#include <QRect>

#include "framework/Placement.h"

Rect FromQRect(const QRect& rect);
// The rectangle as a geometry of sensible size and position.
QRect SaneGeometry(const Rect& rect);
unsigned ShowCmdOf(Qt::WindowStates states);

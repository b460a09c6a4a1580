#pragma once
// Window placements as Qt geometry and window states. Stored placements
// come from files and settings, so odd rectangles are brought into range.
#include <QRect>
#include <QSize>

#include <vector>

#include "framework/Placement.h"

Rect FromQRect(const QRect& rect);
// The rectangle as a geometry of sensible size and position.
QRect SaneGeometry(const Rect& rect);
unsigned ShowCmdOf(Qt::WindowStates states);

// Where the main window opens when no placement was stored: two thirds of
// the screen's free area each way, centred in it.
QRect DefaultMainGeometry(const QRect& available);
// The size a window opens at inside an MDI area of this size, when nothing
// else sets it: large enough to work in, never larger than the area.
QSize DefaultChildSize(const QSize& area);
// Where such a window goes when others are open: each a step further down
// and right of the last, starting again at the corner before it would
// leave the area.
QPoint DefaultChildPosition(int windowsBefore, const QSize& child, const QSize& area);
// A window's geometry inside an MDI area of this size: no larger than the
// area and moved in so that all of it, title bar and close box too, shows;
// it scrolls inside itself. Unchanged for an area not laid out yet.
QRect InsideArea(const QRect& wanted, const QSize& area);
// Where a window goes inside the area when others show: a step further
// down and right for each one whose top-left corner it would take.
QRect FreePlace(const QRect& wanted, const std::vector<QPoint>& taken, int step, const QSize& area);

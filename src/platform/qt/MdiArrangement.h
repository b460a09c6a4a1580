#pragma once
// Window arrangements Qt's MDI area lacks or does otherwise: tiling in one
// direction, a cascade of working-size windows, and lining up minimized
// windows along the bottom.
#include <QRect>

#include <vector>

class QMdiArea;

// Window i of count in a cascade over an area of this size, each a title
// bar's height below and right of the one before, as large as the area
// allows but never smaller than half of it; the steps start again at the
// corner before a window would leave the area.
QRect CascadePlace(int index, int count, int step, const QSize& area);
// Cascades the shown windows in the order they were made, the active one
// last and on top.
void CascadeSubWindows(QMdiArea& area);

// Horizontal: one above the other, each the full width; vertical: side by side.
void TileSubWindows(QMdiArea& area, bool horizontal);
void ArrangeMinimizedSubWindows(QMdiArea& area);

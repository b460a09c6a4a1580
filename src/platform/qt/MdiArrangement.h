#pragma once
// Window arrangements Qt's MDI area lacks: tiling in one direction and
// lining up minimized windows along the bottom.
class QMdiArea;

// Horizontal: one above the other, each the full width; vertical: side by side.
void TileSubWindows(QMdiArea& area, bool horizontal);
void ArrangeMinimizedSubWindows(QMdiArea& area);

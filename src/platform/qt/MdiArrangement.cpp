#include "platform/qt/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> VisibleWindows(QMdiArea& area, bool minimized)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder))
        if (!window->isHidden() && window->isMinimized() == minimized)
            windows.append(window);
    return windows;
}

}  // namespace

void TileSubWindows(QMdiArea& area, bool horizontal)
{
    QList<QMdiSubWindow*> windows = VisibleWindows(area, false);
    if (windows.isEmpty())
        return;
    QSize space = area.viewport()->size();
    int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        if (horizontal) {
            int height = space.height() / count;
            window->setGeometry(0, i * height, space.width(), height);
        } else {
            int width = space.width() / count;
            window->setGeometry(i * width, 0, width, space.height());
        }
    }
}

void ArrangeMinimizedSubWindows(QMdiArea& area)
{
    int x = 0;
    int bottom = area.viewport()->height();
    for (QMdiSubWindow* window : VisibleWindows(area, true)) {
        QSize size = window->size();
        window->move(x, bottom - size.height());
        x += size.width();
    }
}

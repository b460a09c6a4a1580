#include "platform/qt/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

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

QRect CascadePlace(int index, int count, int step, const QSize& area)
{
    step = std::max(1, step);
    QSize shrunk = area - QSize(step, step) * std::max(0, count - 1);
    QSize size = shrunk.expandedTo(area / 2).boundedTo(area);
    int room = std::min(area.width() - size.width(), area.height() - size.height());
    int cycle = std::max(0, room) / step + 1;
    int offset = (std::max(0, index) % cycle) * step;
    return QRect(QPoint(offset, offset), size);
}

void CascadeSubWindows(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows = VisibleWindows(area, false);
    QMdiSubWindow* active = area.activeSubWindow();
    if (windows.removeOne(active))
        windows.append(active);
    int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        int step = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        window->setGeometry(CascadePlace(i, count, step, area.viewport()->size()));
        window->raise();
    }
    if (active)
        area.setActiveSubWindow(active);
}

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

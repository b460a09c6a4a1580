#include "platform/qt/PlacementMapping.h"

#include <algorithm>

namespace {

constexpr int kMinSide = 40;
constexpr int kMaxSide = 16000;
constexpr QSize kMinChild(480, 320);
constexpr int kCascadeStep = 24;

}  // namespace

Rect FromQRect(const QRect& rect)
{
    return Rect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect SaneGeometry(const Rect& rect)
{
    long long width = static_cast<long long>(rect.right) - rect.left;
    long long height = static_cast<long long>(rect.bottom) - rect.top;
    return QRect(std::clamp(rect.left, -kMaxSide, kMaxSide), std::clamp(rect.top, -kMaxSide, kMaxSide),
                 static_cast<int>(std::clamp<long long>(width, kMinSide, kMaxSide)),
                 static_cast<int>(std::clamp<long long>(height, kMinSide, kMaxSide)));
}

unsigned ShowCmdOf(Qt::WindowStates states)
{
    if (states & Qt::WindowMinimized)
        return SW_SHOWMINIMIZED;
    if (states & Qt::WindowMaximized)
        return SW_SHOWMAXIMIZED;
    return SW_SHOWNORMAL;
}

QRect DefaultMainGeometry(const QRect& available)
{
    QSize size(available.width() * 2 / 3, available.height() * 2 / 3);
    QRect geometry(QPoint(), size);
    geometry.moveCenter(available.center());
    return geometry;
}

QSize DefaultChildSize(const QSize& area)
{
    if (area.isEmpty())
        return kMinChild;
    QSize share(area.width() * 3 / 5, area.height() * 3 / 5);
    return share.expandedTo(kMinChild).boundedTo(area);
}

QRect InsideArea(const QRect& wanted, const QSize& area)
{
    if (area.isEmpty())
        return wanted;
    QSize size = wanted.size().boundedTo(area);
    QPoint topLeft(std::clamp(wanted.left(), 0, area.width() - size.width()),
                   std::clamp(wanted.top(), 0, area.height() - size.height()));
    return QRect(topLeft, size);
}

QRect FreePlace(const QRect& wanted, const std::vector<QPoint>& taken, int step, const QSize& area)
{
    QRect place = InsideArea(wanted, area);
    for (size_t tries = 1; tries <= taken.size(); ++tries) {
        if (std::find(taken.begin(), taken.end(), place.topLeft()) == taken.end())
            break;
        place = InsideArea(wanted.translated(static_cast<int>(tries) * step, static_cast<int>(tries) * step), area);
    }
    return place;
}

QPoint DefaultChildPosition(int windowsBefore, const QSize& child, const QSize& area)
{
    int roomX = std::max(0, area.width() - child.width());
    int roomY = std::max(0, area.height() - child.height());
    int steps = std::min(roomX, roomY) / kCascadeStep + 1;
    int offset = (std::max(0, windowsBefore) % steps) * kCascadeStep;
    return QPoint(offset, offset);
}

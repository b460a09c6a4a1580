#include "platform/qt/DrawingCanvas.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "framework/View.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/PainterSurface.h"

DrawingCanvas::DrawingCanvas(ViewLink link, ImageStore& images, QWidget* parent)
    : QAbstractScrollArea(parent), link_(link), images_(images)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void DrawingCanvas::SetScrollSizes(Size total, Size line)
{
    total_ = total;
    line_ = Size{std::max(1, line.cx), std::max(1, line.cy)};
    UpdateScrollRanges();
}

void DrawingCanvas::ScrollTo(int x, int y)
{
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void DrawingCanvas::GetScrollPosition(int& x, int& y) const
{
    x = horizontalScrollBar()->value();
    y = verticalScrollBar()->value();
}

void DrawingCanvas::ShowScrollBars(bool vertical, bool horizontal)
{
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

const CanvasContent& DrawingCanvas::Content()
{
    if (stale_ || !content_) {
        CView* view = link_.View();
        content_ = view ? ReadCanvasContent(*view) : CanvasContent{};
        stale_ = false;
    }
    return *content_;
}

void DrawingCanvas::ContentMayHaveChanged()
{
    stale_ = true;
    // Content nobody has read needs no announcement.
    if (!content_ || announcing_)
        return;
    announcing_ = true;
    QTimer::singleShot(0, this, &DrawingCanvas::AnnounceChanges);
}

void DrawingCanvas::AnnounceChanges()
{
    announcing_ = false;
    CanvasContent before = *content_;
    const CanvasContent& now = Content();
    if (now == before)
        return;
    if (now.name != before.name) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (now.summary != before.summary) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (now.role == AccessibleRole::List) {
        QAccessibleEvent event(this, QAccessible::VisibleDataChanged);
        QAccessible::updateAccessibility(&event);
    } else if (now.text != before.text) {
        QAccessibleTextUpdateEvent event(this, 0, before.text, now.text);
        QAccessible::updateAccessibility(&event);
    }
    emit ContentAnnounced();
}

void DrawingCanvas::UpdateScrollRanges()
{
    QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, total_.cx - page.width()));
    horizontalScrollBar()->setPageStep(std::max(1, page.width()));
    horizontalScrollBar()->setSingleStep(line_.cx);
    verticalScrollBar()->setRange(0, std::max(0, total_.cy - page.height()));
    verticalScrollBar()->setPageStep(std::max(1, page.height()));
    verticalScrollBar()->setSingleStep(line_.cy);
}

void DrawingCanvas::paintEvent(QPaintEvent* event)
{
    CView* view = link_.View();
    if (!view)
        return;
    QPoint origin(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QPainter painter(viewport());
    painter.translate(-origin);
    PainterSurface surface(painter, images_, event->rect().translated(origin));
    view->OnDraw(surface);
}

void DrawingCanvas::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
    link_.Resized(viewport()->width(), viewport()->height());
}

void DrawingCanvas::scrollContentsBy(int, int)
{
    viewport()->update();
}

void DrawingCanvas::keyPressEvent(QKeyEvent* event)
{
    link_.KeyPressed(*event);
    QAbstractScrollArea::keyPressEvent(event);
}

void DrawingCanvas::keyReleaseEvent(QKeyEvent* event)
{
    link_.KeyReleased(*event);
    QAbstractScrollArea::keyReleaseEvent(event);
}

// Clicks are handed on in drawing coordinates, the scrolled-off part added.
void DrawingCanvas::mousePressEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    QPoint at = event->position().toPoint();
    link_.Clicked(at.x() + horizontalScrollBar()->value(), at.y() + verticalScrollBar()->value());
}

// Queued as commands are: what a double click starts (a playback, a
// message box) runs once this handler is done, not inside it.
void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    QAbstractScrollArea::mouseDoubleClickEvent(event);
    const QPoint content = event->position().toPoint()
                           + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    QPointer<DrawingCanvas> self(this);
    link_.Router().PostCall([self, content](CApplication&) {
        if (self)
            self->link_.DoubleClickedAt(content);
    });
}

void DrawingCanvas::contextMenuEvent(QContextMenuEvent* event)
{
    link_.ShowContextMenu(this, event->globalPos());
}

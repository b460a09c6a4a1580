#include "platform/qt/FrameSubWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

#include "framework/Application.h"
#include "framework/Frame.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/PlacementMapping.h"

FrameSubWindow::FrameSubWindow(CFrame* frame, CommandRouter& router) : frame_(frame), router_(router)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The menus own the keys: the system menu's Ctrl+F4 and Ctrl+W would
    // make File > Close and an instrument's Vignette ambiguous, and do nothing.
    if (QMenu* menu = systemMenu())
        for (QAction* action : menu->actions())
            action->setShortcuts({});
    // Restored from maximized (another window opened beside it), the window
    // takes back a size that may have been chosen for a larger area.
    connect(this, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if ((before & Qt::WindowMaximized) && !(now & (Qt::WindowMaximized | Qt::WindowMinimized)))
            KeepInsideArea();
    });
}

void FrameSubWindow::KeepInsideArea()
{
    QMdiArea* area = mdiArea();
    if (!area || !area->isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    QRect inside = InsideArea(geometry(), area->viewport()->size());
    if (inside != geometry())
        setGeometry(inside);
}

void FrameSubWindow::SetNormalGeometry(const QRect& geometry)
{
    normal_ = geometry;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        setGeometry(geometry);
}

void FrameSubWindow::closeEvent(QCloseEvent* event)
{
    if (!frame_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    QPointer<FrameSubWindow> self(this);
    router_.PostCall([self](CApplication& app) {
        if (self && self->Frame()) {
            self->Frame()->OnClose();
            app.CollectGarbage();
        }
    });
}

void FrameSubWindow::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    RememberNormal();
}

void FrameSubWindow::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    RememberNormal();
}

void FrameSubWindow::RememberNormal()
{
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        normal_ = geometry();
}

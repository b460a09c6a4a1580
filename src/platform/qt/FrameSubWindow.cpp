#include "platform/qt/FrameSubWindow.h"

#include <QCloseEvent>
#include <QPointer>

#include "framework/Application.h"
#include "framework/Frame.h"
#include "platform/qt/CommandRouter.h"

FrameSubWindow::FrameSubWindow(CFrame* frame, CommandRouter& router) : frame_(frame), router_(router)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
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

#include "platform/qt/ViewLink.h"

#include <QKeyEvent>
#include <QMenu>

#include <memory>

#include "framework/View.h"
#include "platform/qt/MenuRenderer.h"
#include "platform/qt/VirtualKeys.h"

CommandRouter& ViewLink::Router() const
{
    return menus_.Router();
}

void ViewLink::KeyPressed(const QKeyEvent& event)
{
    if (!view_ || event.isAutoRepeat())
        return;
    if (int code = VirtualKeyFromQt(event.key(), event.modifiers()))
        view_->OnKeyDown(code);
}

void ViewLink::KeyReleased(const QKeyEvent& event)
{
    if (!view_ || event.isAutoRepeat())
        return;
    if (int code = VirtualKeyFromQt(event.key(), event.modifiers()))
        view_->OnKeyUp(code);
}

void ViewLink::DoubleClicked()
{
    if (view_)
        view_->OnDoubleClick();
}

void ViewLink::DoubleClickedAt(const QPoint& contentPoint)
{
    if (view_)
        view_->OnDoubleClickAt({contentPoint.x(), contentPoint.y()});
}

void ViewLink::Clicked(int x, int y)
{
    if (view_)
        view_->OnClick(x, y);
}

void ViewLink::Resized(int cx, int cy)
{
    if (view_)
        view_->OnSize(cx, cy);
}

bool ViewLink::ShowContextMenu(QWidget* owner, const QPoint& globalPos)
{
    MenuPtr menu = view_ ? view_->ContextMenu() : nullptr;
    if (!menu)
        return false;
    // The chosen command is queued by the renderer, so the popup can go
    // before the command runs.
    std::unique_ptr<QMenu> popup(menus_.BuildPopup(*menu, owner));
    popup->exec(globalPos);
    return true;
}

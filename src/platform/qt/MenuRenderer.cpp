#include "platform/qt/MenuRenderer.h"

#include <QMenu>
#include <QMenuBar>

#include "platform/qt/CommandRouter.h"
#include "platform/qt/MenuText.h"

int ActionCommandId(const QAction& action)
{
    return action.data().toInt();
}

void MenuRenderer::FillBar(QMenuBar& bar, const MenuPtr& menu)
{
    DropBarItems(bar);
    if (!menu)
        return;
    for (const MenuItem& item : menu->Items()) {
        if (item.kind == MenuItem::Kind::Popup && item.popup) {
            QMenu* popup = BuildPopup(*item.popup, &bar);
            popup->setTitle(QString::fromStdString(item.text));
            bar.addMenu(popup);
            barItems_.emplace_back(popup);
        } else if (item.kind == MenuItem::Kind::Command) {
            QAction* action = MakeCommand(item, &bar);
            bar.addAction(action);
            barItems_.emplace_back(action);
        }
    }
}

// Old items may belong to the menu whose click is still being handled, so
// they go once control is back in the event loop.
void MenuRenderer::DropBarItems(QMenuBar& bar)
{
    bar.clear();
    for (const QPointer<QObject>& item : barItems_)
        if (item)
            item->deleteLater();
    barItems_.clear();
}

QMenu* MenuRenderer::BuildPopup(const CMenu& menu, QWidget* parent)
{
    auto* popup = new QMenu(parent);
    AddItems(*popup, menu);
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] { UpdateStates(*popup); });
    // Shortcuts of a closed menu must still reach the core, which checks
    // the command's state itself.
    QObject::connect(popup, &QMenu::aboutToHide, popup, [popup] {
        for (QAction* action : popup->actions())
            action->setEnabled(true);
    });
    return popup;
}

void MenuRenderer::AddItems(QMenu& target, const CMenu& menu)
{
    for (const MenuItem& item : menu.Items()) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            target.addSeparator();
            break;
        case MenuItem::Kind::Command:
            target.addAction(MakeCommand(item, &target));
            break;
        case MenuItem::Kind::Popup:
            if (item.popup) {
                QMenu* sub = BuildPopup(*item.popup, &target);
                sub->setTitle(QString::fromStdString(item.text));
                target.addMenu(sub);
            }
            break;
        }
    }
}

QAction* MenuRenderer::MakeCommand(const MenuItem& item, QObject* parent)
{
    MenuLabel label = ParseMenuLabel(item.text);
    auto* action = new QAction(label.text, parent);
    action->setShortcut(label.shortcut);
    action->setData(item.id);
    action->setStatusTip(router_.Prompt(item.id));
    int id = item.id;
    QObject::connect(action, &QAction::triggered, action, [this, id] { router_.Post(id); });
    return action;
}

void MenuRenderer::UpdateStates(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        int id = ActionCommandId(*action);
        if (id == 0 || action->menu())
            continue;
        CommandState state = router_.Query(id);
        action->setEnabled(state.enabled);
        // Only checked items are checkable, so unchecked ones show no box.
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
    }
}

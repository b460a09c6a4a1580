#include "platform/qt/MenuRenderer.h"

#include <QMenu>
#include <QMenuBar>

#include "framework/Application.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/MenuText.h"

namespace {

void ClearBar(QMenuBar& bar)
{
    // Removed, not cleared: the bar would delete the actions it parents.
    for (QAction* action : bar.actions())
        bar.removeAction(action);
}

// A popup's submenus are its children and outlive a clear() of its actions.
void EmptyPopup(QMenu& popup)
{
    for (QMenu* sub : popup.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        sub->deleteLater();
    popup.clear();
}

}  // namespace

int ActionCommandId(const QAction& action)
{
    return action.data().toInt();
}

MenuRenderer::~MenuRenderer()
{
    for (const auto& rendered : bars_)
        for (const BarItem& item : rendered->items) {
            delete item.popup.data();
            delete item.action.data();
        }
}

void MenuRenderer::FillBar(QMenuBar& bar, const MenuPtr& menu)
{
    DropExpired();
    if (!menu) {
        ClearBar(bar);
        return;
    }
    Show(bar, Rendered(bar, menu));
}

// Menus of closed windows are gone from the core; their Qt menus may still
// be handling the click that closed the window, so they go from the event loop.
void MenuRenderer::DropExpired()
{
    for (auto it = bars_.begin(); it != bars_.end();) {
        if (!(*it)->source.expired()) {
            ++it;
            continue;
        }
        for (const BarItem& item : (*it)->items)
            if (QObject* object = item.popup ? static_cast<QObject*>(item.popup) : item.action)
                object->deleteLater();
        it = bars_.erase(it);
    }
}

MenuRenderer::RenderedBar& MenuRenderer::Rendered(QMenuBar& bar, const MenuPtr& menu)
{
    for (const auto& rendered : bars_) {
        if (rendered->source.lock() != menu)
            continue;
        if (rendered->titles != TitlesOf(*menu))
            Render(*rendered, bar, *menu);
        return *rendered;
    }
    bars_.push_back(std::make_unique<RenderedBar>());
    bars_.back()->source = menu;
    Render(*bars_.back(), bar, *menu);
    return *bars_.back();
}

void MenuRenderer::Render(RenderedBar& rendered, QMenuBar& bar, const CMenu& menu)
{
    for (const BarItem& item : rendered.items)
        if (QObject* object = item.popup ? static_cast<QObject*>(item.popup) : item.action)
            object->deleteLater();
    rendered.items.clear();
    rendered.titles = TitlesOf(menu);
    for (int position = 0; position < menu.Count(); ++position) {
        const MenuItem& item = menu.At(position);
        BarItem rendering;
        rendering.position = position;
        if (item.kind == MenuItem::Kind::Popup && item.popup) {
            QMenu* popup = NewPopup(&bar);
            popup->setTitle(QString::fromStdString(item.text));
            Fill(*popup, *item.popup);
            QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] {
                RefreshBarPopup(*popup);
                UpdateStates(*popup);
            });
            rendering.popup = popup;
            rendering.action = popup->menuAction();
            rendering.shape = ShapeOf(*item.popup);
        } else if (item.kind == MenuItem::Kind::Command) {
            rendering.action = MakeCommand(item, &bar);
        } else {
            continue;
        }
        rendered.items.push_back(std::move(rendering));
    }
}

void MenuRenderer::Show(QMenuBar& bar, const RenderedBar& rendered)
{
    QList<QAction*> wanted;
    for (const BarItem& item : rendered.items)
        if (item.action)
            wanted.append(item.action);
    if (bar.actions() == wanted)
        return;
    ClearBar(bar);
    bar.addActions(wanted);
}

// The popup may stand for a core popup that was replaced or changed since
// it was filled (a model's Frame list): fill it again only then.
void MenuRenderer::RefreshBarPopup(QMenu& popup)
{
    for (const auto& rendered : bars_)
        for (BarItem& item : rendered->items) {
            if (item.popup != &popup)
                continue;
            MenuPtr source = rendered->source.lock();
            if (!source || item.position >= source->Count() || !source->At(item.position).popup)
                return;
            CMenu& current = *source->At(item.position).popup;
            if (CApplication* app = router_.App())
                app->PreparePopupTree(current);
            MenuShape shape = ShapeOf(current);
            if (shape == item.shape)
                return;
            EmptyPopup(popup);
            Fill(popup, current);
            item.shape = std::move(shape);
            return;
        }
}

QMenu* MenuRenderer::BuildPopup(const CMenu& menu, QWidget* parent)
{
    QMenu* popup = NewPopup(parent);
    Fill(*popup, menu);
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this, popup] { UpdateStates(*popup); });
    return popup;
}

QMenu* MenuRenderer::NewPopup(QWidget* parent)
{
    auto* popup = new QMenu(parent);
    // Shortcuts of a closed menu must still reach the core, which checks
    // the command's state itself.
    QObject::connect(popup, &QMenu::aboutToHide, popup, [popup] {
        for (QAction* action : popup->actions())
            action->setEnabled(true);
    });
    return popup;
}

void MenuRenderer::Fill(QMenu& target, const CMenu& menu)
{
    ++fillCount_;
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

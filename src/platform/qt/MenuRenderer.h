#pragma once
// Renders the core's menus as Qt menus. Every command item carries its id,
// sends it through the router when chosen, and shows the core's enabled
// and check state each time its menu opens.
//
// The core hands the bar its menu again after every change of a model, so
// the Qt menus made for a core menu are kept while it lives and shown again
// as they are; a popup is filled anew only when its items differ from what
// it shows, checked as it is about to open.
#include <QPointer>

#include <memory>
#include <vector>

#include "framework/Menu.h"
#include "platform/qt/MenuShape.h"

class CommandRouter;
class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

class MenuRenderer {
public:
    explicit MenuRenderer(CommandRouter& router) : router_(router) {}
    MenuRenderer(const MenuRenderer&) = delete;
    MenuRenderer& operator=(const MenuRenderer&) = delete;
    ~MenuRenderer();

    // Shows the menu's items in the bar (nothing for null).
    void FillBar(QMenuBar& bar, const MenuPtr& menu);
    // A popup menu for a context menu; the caller owns it.
    QMenu* BuildPopup(const CMenu& menu, QWidget* parent);
    // Sets enabled and check marks of the menu's command items from the core.
    void UpdateStates(QMenu& menu);
    // Where the rendered items send their commands.
    CommandRouter& Router() const { return router_; }
    // How many popups were filled with items so far.
    int FillCount() const { return fillCount_; }

private:
    struct BarItem {
        QPointer<QAction> action;  // a command, or the menu action of a popup
        QPointer<QMenu> popup;
        int position = 0;          // of the item in the core's menu
        MenuShape shape;           // the items the popup shows
    };
    struct RenderedBar {
        std::weak_ptr<CMenu> source;
        MenuShape titles;          // the bar's own items, without their popups
        std::vector<BarItem> items;
    };

    RenderedBar& Rendered(QMenuBar& bar, const MenuPtr& menu);
    void Render(RenderedBar& rendered, QMenuBar& bar, const CMenu& menu);
    void Show(QMenuBar& bar, const RenderedBar& rendered);
    void RefreshBarPopup(QMenu& popup);
    QMenu* NewPopup(QWidget* parent);
    void Fill(QMenu& target, const CMenu& menu);
    QAction* MakeCommand(const MenuItem& item, QObject* parent);
    void DropExpired();

    CommandRouter& router_;
    std::vector<std::unique_ptr<RenderedBar>> bars_;
    int fillCount_ = 0;
};

// The command id a rendered action carries, or 0.
int ActionCommandId(const QAction& action);

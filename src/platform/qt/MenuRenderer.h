#pragma once
// Renders the core's menus as Qt menus. Every command item carries its id,
// sends it through the router when chosen, and shows the core's enabled
// and check state each time its menu opens.
#include <QPointer>

#include <vector>

#include "framework/Menu.h"

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

    // Replaces what the bar shows by the menu's items (nothing for null).
    void FillBar(QMenuBar& bar, const MenuPtr& menu);
    // A popup menu for a context menu; the caller owns it.
    QMenu* BuildPopup(const CMenu& menu, QWidget* parent);
    // Sets enabled and check marks of the menu's command items from the core.
    void UpdateStates(QMenu& menu);

private:
    void AddItems(QMenu& target, const CMenu& menu);
    QAction* MakeCommand(const MenuItem& item, QObject* parent);
    void DropBarItems(QMenuBar& bar);

    CommandRouter& router_;
    std::vector<QPointer<QObject>> barItems_;
};

// The command id a rendered action carries, or 0.
int ActionCommandId(const QAction& action);

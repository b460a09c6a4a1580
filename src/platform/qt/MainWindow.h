#pragma once
// The main window: menu bar rendered from the core's menu, tool bar with
// the History box, MDI area and status bar. Closing it is the core's call.
#include <QMainWindow>

#include <functional>

#include "framework/Windows.h"

class ActivationGuard;
class CommandRouter;
class MainToolBar;
class MenuRenderer;
class QMdiArea;
class QMdiSubWindow;
class TickIndicator;

// What the main window asks of the application beyond command ids.
struct MainWindowHooks {
    std::function<void()> close;               // the close box
    std::function<void(int)> historyChosen;    // a History box entry picked by the user
    std::function<void(int)> quitting;         // the event loop is about to end
    std::function<void(const std::string&)> fileDropped;
    std::function<MenuPtr()> contextMenu;       // for a right click on the empty background
};

class MainWindow : public QMainWindow, public IMainWindow {
    Q_OBJECT
public:
    MainWindow(CommandRouter& router, MenuRenderer& menus, ActivationGuard& guard);

    void SetHooks(MainWindowHooks hooks) { hooks_ = std::move(hooks); }
    QMdiArea& Area() const { return *area_; }
    MainToolBar& ToolBar() const { return *toolbar_; }

    void Show(int showCmd) override;
    void SetCaption(const std::string& caption) override;
    void SetMenu(MenuPtr menu) override;
    WindowPlacement GetPlacement() const override;
    void SetPlacement(const WindowPlacement& placement) override;
    bool IsMaximized() const override;
    void SetHistory(const std::vector<std::string>& items, int selection) override;
    void SetStatusText(const std::string& text) override;
    void ShowTick(int beat, int beatsPerBar) override;
    void ShowControlBar(int barId, bool show) override;
    bool IsControlBarVisible(int barId) const override;
    void Cascade() override;
    void Tile(bool horizontal) override;
    void ArrangeIcons() override;
    void EnterContextHelp() override;
    void Quit(int exitCode) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnHistoryChosen(int index);
    void ShowContextMenu(const QPoint& position);

    CommandRouter& router_;
    MenuRenderer& menus_;
    ActivationGuard& guard_;
    MainWindowHooks hooks_;
    QMdiArea* area_;
    MainToolBar* toolbar_;
    TickIndicator* tick_;
};

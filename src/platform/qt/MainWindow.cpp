#include "platform/qt/MainWindow.h"

#include <memory>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QWhatsThis>

#include "framework/Application.h"
#include "framework/Frame.h"
#include "platform/qt/ActivationGuard.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/FrameSubWindow.h"
#include "framework/CommandIds.h"
#include "platform/qt/MainToolBar.h"
#include "platform/qt/MdiArrangement.h"
#include "platform/qt/MenuRenderer.h"
#include "platform/qt/PlacementMapping.h"

MainWindow::MainWindow(CommandRouter& router, MenuRenderer& menus, ActivationGuard& guard)
    : router_(router), menus_(menus), guard_(guard), area_(new QMdiArea(this)),
      toolbar_(new MainToolBar(router, this))
{
    setWindowTitle(QStringLiteral("Morvix Music Reference"));
    setCentralWidget(area_);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    statusBar()->showMessage(QStringLiteral("Ready"));
    // A menu's prompt is cleared when the pointer leaves it: idle again.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty())
            statusBar()->showMessage(QStringLiteral("Ready"));
    });
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(area_, &QMdiArea::subWindowActivated, this, &MainWindow::OnSubWindowActivated);
    area_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowContextMenu);
    connect(toolbar_, &MainToolBar::HistoryChosen, this, &MainWindow::OnHistoryChosen);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        setGeometry(DefaultMainGeometry(primary->availableGeometry()));
    setAcceptDrops(true);
}

void MainWindow::Show(int showCmd)
{
    switch (showCmd) {
    case SW_HIDE: hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: showMinimized(); break;
    case SW_SHOWMAXIMIZED: showMaximized(); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: showNormal(); break;
    default: show(); break;
    }
}

void MainWindow::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::SetMenu(MenuPtr menu)
{
    menus_.FillBar(*menuBar(), menu);
}

WindowPlacement MainWindow::GetPlacement() const
{
    WindowPlacement placement;
    placement.normal = FromQRect(normalGeometry().isValid() ? normalGeometry() : geometry());
    placement.showCmd = ShowCmdOf(windowState());
    return placement;
}

// A placement saved on a larger or missing screen keeps its size but not
// a position from which the window could not be reached.
void MainWindow::SetPlacement(const WindowPlacement& placement)
{
    QRect geometry = SaneGeometry(placement.normal);
    bool onScreen = false;
    for (QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(geometry);
    if (onScreen)
        setGeometry(geometry);
    else
        resize(geometry.size());
    if (isVisible())
        Show(static_cast<int>(placement.showCmd));
}

bool MainWindow::IsMaximized() const
{
    return isMaximized();
}

void MainWindow::SetHistory(const std::vector<std::string>& items, int selection)
{
    toolbar_->SetHistory(items, selection);
}

void MainWindow::SetStatusText(const std::string& text)
{
    statusBar()->showMessage(QString::fromStdString(text));
}

void MainWindow::Cascade()
{
    CascadeSubWindows(*area_);
}

void MainWindow::Tile(bool horizontal)
{
    TileSubWindows(*area_, horizontal);
}

void MainWindow::EnterContextHelp()
{
    QWhatsThis::enterWhatsThisMode();
}

void MainWindow::ArrangeIcons()
{
    ArrangeMinimizedSubWindows(*area_);
}

void MainWindow::Quit(int exitCode)
{
    if (hooks_.quitting)
        hooks_.quitting(exitCode);
    // Asked before the event loop runs, the request waits for it to start.
    if (QThread::currentThread()->loopLevel() == 0)
        QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
    else
        QCoreApplication::exit(exitCode);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!hooks_.close) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
    router_.PostCall([close = hooks_.close](CApplication&) { close(); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (hooks_.fileDropped && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (!hooks_.fileDropped)
        return;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            router_.PostCall([dropped = hooks_.fileDropped, path = url.toLocalFile().toStdString()](
                                 CApplication&) { dropped(path); });
    event->acceptProposedAction();
}

void MainWindow::OnSubWindowActivated(QMdiSubWindow* window)
{
    auto* sub = qobject_cast<FrameSubWindow*>(window);
    if (guard_.Held() || !sub || !sub->Frame() || !router_.App())
        return;
    ActivationGuard::Scope scope(guard_);
    router_.App()->FrameActivated(sub->Frame());
}

void MainWindow::OnHistoryChosen(int index)
{
    if (hooks_.historyChosen)
        router_.PostCall([chosen = hooks_.historyChosen, index](CApplication&) { chosen(index); });
}

void MainWindow::ShowControlBar(int barId, bool show)
{
    if (barId == ID_VIEW_TOOLBAR)
        toolbar_->setVisible(show);
    else if (barId == ID_VIEW_STATUS_BAR)
        statusBar()->setVisible(show);
}

bool MainWindow::IsControlBarVisible(int barId) const
{
    if (barId == ID_VIEW_TOOLBAR)
        return !toolbar_->isHidden();
    if (barId == ID_VIEW_STATUS_BAR)
        return !statusBar()->isHidden();
    return false;
}

void MainWindow::ShowContextMenu(const QPoint& position)
{
    MenuPtr menu = hooks_.contextMenu ? hooks_.contextMenu() : nullptr;
    if (!menu)
        return;
    std::unique_ptr<QMenu> popup(menus_.BuildPopup(*menu, this));
    popup->exec(area_->mapToGlobal(position));
}

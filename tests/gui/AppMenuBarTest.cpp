// The menu bar of the whole application: choosing a chord changes the
// model, which hands the bar its menu again; the Qt menus stay as they are.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "platform/qt/MainToolBar.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

constexpr int kChordFirst = 2240;

QList<QMenu*> BarMenus(QMenuBar& bar)
{
    QList<QMenu*> menus;
    for (QAction* action : bar.actions())
        menus.append(action->menu());
    return menus;
}

QMenu* BarMenu(QMenuBar& bar, const QString& title)
{
    for (QAction* action : bar.actions())
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    return nullptr;
}

}  // namespace

TEST(AppMenuBar, ChoosingChordsFillsNoMenuAgain)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();
    QMenuBar& bar = *ports.Windows().Widget().menuBar();
    MenuRenderer& renderer = ports.Windows().Menus();
    QCoreApplication::processEvents();

    QList<QMenu*> before = BarMenus(bar);
    int fills = renderer.FillCount();
    for (int record : {1, 2, 3, 0}) {
        ASSERT_TRUE(app->RouteCommand(kChordFirst + record));
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(renderer.FillCount(), fills);
    EXPECT_EQ(BarMenus(bar), before);

    QMenu* chord = BarMenu(bar, QStringLiteral("&Chord"));
    ASSERT_NE(chord, nullptr);
    emit chord->aboutToShow();
    QMenu* frame = BarMenu(bar, QStringLiteral("F&rame"));
    if (frame)
        emit frame->aboutToShow();
    EXPECT_EQ(renderer.FillCount(), fills);
}

// The Window popup lists the open windows when it opens, the active one
// checked; the tool bar speaks with the application's own prompt texts.
TEST(AppMenuBar, WindowPopupListsTheOpenWindowsAndToolBarTakesThePrompts)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();
    app->RouteCommand(57600);  // File > New
    QCoreApplication::processEvents();
    QMenuBar& bar = *ports.Windows().Widget().menuBar();

    QMenu* window = BarMenu(bar, QStringLiteral("&Window"));
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QStringList listed;
    QString checked;
    for (QAction* action : window->actions())
        if (action->text().startsWith('&') && action->text().at(1).isDigit()) {
            listed.append(action->text());
            if (action->isChecked())
                checked = action->text();
        }
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0], QStringLiteral("&1 Model"));
    EXPECT_EQ(checked, listed[1]);

    MainToolBar& toolbar = ports.Windows().Widget().ToolBar();
    EXPECT_EQ(toolbar.HistoryBox()->toolTip(), QStringLiteral("Primary model history"));
    EXPECT_EQ(toolbar.HistoryBox()->statusTip(), QStringLiteral("Selections from primary model history"));
    for (QAction* action : toolbar.actions())
        if (action->data().toInt() == 32864) {
            EXPECT_EQ(action->toolTip(), QStringLiteral("Previous model"));
            EXPECT_EQ(action->statusTip(), QStringLiteral("Previous primary model history instance"));
        }
}

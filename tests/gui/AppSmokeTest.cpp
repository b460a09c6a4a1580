// The whole application on the Qt ports: it starts, File > New opens a
// text window, and Exit ends the event loop with code 0.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "app/ReferenceApp.h"
#include "framework/CommandIds.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

int TextWindows(QMdiArea& area)
{
    int count = 0;
    for (QMdiSubWindow* sub : area.subWindowList())
        if (!sub->isHidden() && qobject_cast<QPlainTextEdit*>(sub->widget()))
            ++count;
    return count;
}

}  // namespace

TEST(AppSmoke, StartsOpensANewTextWindowAndExits)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();

    MainWindow& main = ports.Windows().Widget();
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.menuBar()->actions().isEmpty());
    int before = TextWindows(main.Area());
    app->RouteCommand(ID_FILE_NEW);
    EXPECT_EQ(TextWindows(main.Area()), before + 1);

    QTimer::singleShot(0, [&app] { app->RouteCommand(ID_APP_EXIT); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // a hang fails instead
    EXPECT_EQ(QApplication::exec(), 0);
}

// Window > Cascade: working-size windows a title bar apart, the active one
// on top and still active.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

#include "platform/qt/CommandRouter.h"
#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/MdiArrangement.h"

TEST(MdiArrangement, CascadedWindowsStepByATitleBarAndStayLargeEnoughToWorkIn)
{
    QSize area(1000, 600);
    EXPECT_EQ(CascadePlace(0, 1, 20, area), QRect(0, 0, 1000, 600));
    EXPECT_EQ(CascadePlace(0, 3, 20, area), QRect(0, 0, 960, 560));
    EXPECT_EQ(CascadePlace(2, 3, 20, area), QRect(40, 40, 960, 560));
    // Twelve windows: no smaller than half the area, and the steps start
    // again at the corner before a window would leave it.
    EXPECT_EQ(CascadePlace(0, 12, 20, area).size(), QSize(780, 380));
    EXPECT_EQ(CascadePlace(11, 12, 20, area), QRect(220, 220, 780, 380));
    EXPECT_EQ(CascadePlace(15, 30, 20, area), QRect(300, 300, 500, 300));
    EXPECT_EQ(CascadePlace(16, 30, 20, area).topLeft(), QPoint(0, 0));
}

TEST(MdiArrangement, TheActiveWindowEndsOnTopAndActive)
{
    QMdiArea area;
    area.resize(800, 500);
    area.show();
    std::vector<QMdiSubWindow*> windows;
    for (int i = 0; i < 3; ++i) {
        windows.push_back(area.addSubWindow(new QPlainTextEdit));
        windows.back()->show();
    }
    area.setActiveSubWindow(windows[0]);
    CascadeSubWindows(area);
    EXPECT_EQ(area.activeSubWindow(), windows[0]);
    EXPECT_GT(windows[0]->pos().y(), windows[2]->pos().y()) << "the active window is cascaded last";
    EXPECT_EQ(area.subWindowList(QMdiArea::StackingOrder).last(), windows[0]);
    for (QMdiSubWindow* window : windows)
        EXPECT_TRUE(QRect(QPoint(), area.viewport()->size()).contains(window->geometry()));
}

// A window restored from maximized (another window opened beside it) in a
// main window made smaller since keeps its title bar and close box in view.
TEST(MdiArrangement, AWindowRestoredFromMaximizedKeepsInsideTheArea)
{
    QMdiArea area;
    area.resize(600, 300);
    area.show();
    CommandRouter router;
    auto* sub = new FrameSubWindow(nullptr, router);
    sub->setWidget(new QPlainTextEdit);
    area.addSubWindow(sub);
    sub->setGeometry(100, 50, 800, 500);
    sub->showMaximized();
    sub->showNormal();
    QRect inside(QPoint(), area.viewport()->size());
    EXPECT_TRUE(inside.contains(sub->geometry())) << sub->geometry().x() << "," << sub->geometry().width();
}

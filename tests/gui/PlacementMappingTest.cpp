// Where windows open when no placement was stored.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/ImageStore.h"
#include "platform/qt/PlacementMapping.h"
#include "platform/qt/QtWindowSystem.h"

TEST(PlacementMapping, TheMainWindowTakesTwoThirdsOfTheFreeAreaCentred)
{
    QRect geometry = DefaultMainGeometry(QRect(0, 30, 1600, 970));
    EXPECT_EQ(geometry.size(), QSize(1066, 646));
    EXPECT_EQ(geometry.center(), QRect(0, 30, 1600, 970).center());
}

TEST(PlacementMapping, ChildWindowsTakeAShareOfTheAreaWithinLimits)
{
    EXPECT_EQ(DefaultChildSize(QSize(1000, 800)), QSize(600, 480));
    EXPECT_EQ(DefaultChildSize(QSize(600, 400)), QSize(480, 320));   // no smaller than a working size
    EXPECT_EQ(DefaultChildSize(QSize(400, 300)), QSize(400, 300));   // nor larger than the area
    EXPECT_EQ(DefaultChildSize(QSize()), QSize(480, 320));           // an area not laid out yet
}

TEST(PlacementMapping, ChildWindowsCascadeAndStartAgainBeforeLeavingTheArea)
{
    QSize area(1000, 600), child(600, 480);
    EXPECT_EQ(DefaultChildPosition(0, child, area), QPoint(0, 0));
    EXPECT_EQ(DefaultChildPosition(1, child, area), QPoint(24, 24));
    EXPECT_EQ(DefaultChildPosition(5, child, area), QPoint(120, 120));  // 120 below, 0 to spare
    EXPECT_EQ(DefaultChildPosition(6, child, area), QPoint(0, 0));
    EXPECT_EQ(DefaultChildPosition(3, QSize(400, 300), QSize(400, 300)), QPoint(0, 0));
}

TEST(PlacementMapping, AWindowOpensInsideTheAreaAndScrollsInsideItself)
{
    QSize area(800, 500);
    EXPECT_EQ(InsideArea(QRect(32, 48, 1400, 300), area), QRect(0, 48, 800, 300));
    EXPECT_EQ(InsideArea(QRect(700, 450, 300, 200), area), QRect(500, 300, 300, 200));
    EXPECT_EQ(InsideArea(QRect(-20, -5, 100, 100), area), QRect(0, 0, 100, 100));
    EXPECT_EQ(InsideArea(QRect(10, 10, 900, 900), area), QRect(0, 0, 800, 500));
    EXPECT_EQ(InsideArea(QRect(10, 10, 900, 900), QSize()), QRect(10, 10, 900, 900));
}

TEST(PlacementMapping, WindowsOfOneKindInARowStepDownInsteadOfCoveringEachOther)
{
    QSize area(800, 500);
    QRect wanted(32, 48, 300, 200);
    EXPECT_EQ(FreePlace(wanted, {}, 20, area), wanted);
    EXPECT_EQ(FreePlace(wanted, {QPoint(32, 48)}, 20, area), QRect(52, 68, 300, 200));
    EXPECT_EQ(FreePlace(wanted, {QPoint(32, 48), QPoint(52, 68)}, 20, area), QRect(72, 88, 300, 200));
    // As wide as the area: only the step down is left, measured where it lands.
    QRect wide(32, 48, 1400, 200);
    EXPECT_EQ(FreePlace(wide, {QPoint(0, 48)}, 20, area), QRect(0, 68, 800, 200));
}

TEST(PlacementMapping, AFreshMainWindowHasTheDefaultGeometry)
{
    ImageStore images{{}};
    QtWindowSystem windows{images};
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(windows.Widget().geometry(), DefaultMainGeometry(available));
}

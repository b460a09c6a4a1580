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

TEST(PlacementMapping, AFreshMainWindowHasTheDefaultGeometry)
{
    ImageStore images{{}};
    QtWindowSystem windows{images};
    QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(windows.Widget().geometry(), DefaultMainGeometry(available));
}

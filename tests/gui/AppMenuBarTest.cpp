// The menu bar of the whole application: choosing a chord changes the
// model, which hands the bar its menu again; the Qt menus stay as they are.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "app/ReferenceApp.h"
#include "framework/Frame.h"
#include "platform/qt/QtPorts.h"
#include "ResourceHome.h"

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
    QTemporaryDir home;
    CopyResources(home.path());
    QtPorts ports(home.path().toStdString());
    auto app = std::make_unique<CReferenceApp>(ports.Get(), home.path().toStdString());
    ports.Attach(*app);
    ASSERT_TRUE(app->InitInstance({}));
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
    QMenu* frame = BarMenu(bar, QStringLiteral("&Frame"));
    if (frame)
        emit frame->aboutToShow();
    EXPECT_EQ(renderer.FillCount(), fills);

    ports.Detach();
    app.reset();
}

// Menus rendered from the core's model: ids, shortcuts, states asked of the
// core when a menu opens, and clicks routed back as command ids.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <vector>

#include "framework/Application.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/MenuRenderer.h"

namespace {

class StateTarget : public CCommandTarget {
public:
    StateTarget()
    {
        On(10, [this] { handled.push_back(10); }, [this](int, CommandState& s) { s.checked = tenChecked; });
        On(11, [this] { handled.push_back(11); }, [](int, CommandState& s) { s.enabled = false; });
        On(20, [this] { handled.push_back(20); });
    }
    bool tenChecked = true;
    std::vector<int> handled;
};

MenuPtr SampleMenu()
{
    MenuPtr view = CMenu::Create();
    view->AppendCommand("&Ten\tCtrl+T", 10);
    view->AppendSeparator();
    view->AppendCommand("&Eleven", 11);
    MenuPtr more = CMenu::Create();
    more->AppendCommand("T&wenty", 20);
    view->AppendPopup("&More", more);
    MenuPtr bar = CMenu::Create();
    bar->AppendPopup("&View", view);
    return bar;
}

QMenu* FirstMenu(QMenuBar& bar)
{
    return bar.actions().isEmpty() ? nullptr : bar.actions().first()->menu();
}

class MenuRendererTest : public ::testing::Test {
protected:
    MenuRendererTest()
    {
        app.SetMainTarget(&target);
        router.Attach(&app);
        renderer.FillBar(bar, menu);
    }

    Ports ports;
    CApplication app{ports};
    StateTarget target;
    CommandRouter router;
    MenuRenderer renderer{router};
    QMenuBar bar;
    MenuPtr menu = SampleMenu();
};

}  // namespace

TEST_F(MenuRendererTest, ItemsCarryIdsTextsAndShortcuts)
{
    QMenu* view = FirstMenu(bar);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->title(), QStringLiteral("&View"));
    QList<QAction*> items = view->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(ActionCommandId(*items[0]), 10);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Ten"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(ActionCommandId(*items[2]), 11);
    ASSERT_NE(items[3]->menu(), nullptr);
    EXPECT_EQ(ActionCommandId(*items[3]->menu()->actions().first()), 20);
}

TEST_F(MenuRendererTest, OpeningAMenuShowsTheCoresStates)
{
    QMenu* view = FirstMenu(bar);
    renderer.UpdateStates(*view);
    QList<QAction*> items = view->actions();
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_FALSE(items[2]->isEnabled());
    EXPECT_FALSE(items[2]->isChecked());

    target.tenChecked = false;
    emit view->aboutToShow();
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_FALSE(items[0]->isCheckable());  // unchecked items show no empty box
}

TEST_F(MenuRendererTest, ClosedMenusLeaveStateToTheCoreSoShortcutsStillRoute)
{
    QMenu* view = FirstMenu(bar);
    renderer.UpdateStates(*view);
    emit view->aboutToHide();
    EXPECT_TRUE(view->actions()[2]->isEnabled());
    view->actions()[2]->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(target.handled.empty());  // the core refuses the disabled command
}

TEST_F(MenuRendererTest, ChoosingAnItemRoutesItsIdOnceTheEventLoopRuns)
{
    FirstMenu(bar)->actions()[3]->menu()->actions().first()->trigger();
    EXPECT_TRUE(target.handled.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(target.handled, std::vector<int>{20});
}

TEST_F(MenuRendererTest, RenderingAgainReplacesTheBarsMenus)
{
    MenuPtr other = CMenu::Create();
    other->AppendCommand("&Direct", 20);
    renderer.FillBar(bar, other);
    ASSERT_EQ(bar.actions().size(), 1);
    EXPECT_EQ(ActionCommandId(*bar.actions().first()), 20);
    renderer.FillBar(bar, nullptr);
    EXPECT_TRUE(bar.actions().isEmpty());
}

TEST_F(MenuRendererTest, TheSameMenuAgainKeepsItsQtMenusAndSwitchingBackReusesThem)
{
    QMenu* view = FirstMenu(bar);
    int fills = renderer.FillCount();
    renderer.FillBar(bar, menu);
    EXPECT_EQ(FirstMenu(bar), view);

    MenuPtr other = CMenu::Create();
    other->AppendPopup("&Other", SampleMenu()->FirstPopup());
    renderer.FillBar(bar, other);
    EXPECT_NE(FirstMenu(bar), view);
    EXPECT_TRUE(view->menuAction()->associatedObjects().isEmpty());  // its shortcuts rest
    int afterOther = renderer.FillCount();
    EXPECT_GT(afterOther, fills);

    renderer.FillBar(bar, menu);
    EXPECT_EQ(FirstMenu(bar), view);
    EXPECT_EQ(bar.actions().size(), 1);
    EXPECT_EQ(renderer.FillCount(), afterOther);
}

TEST_F(MenuRendererTest, AReplacedPopupIsFilledAgainOnlyWhenItsItemsDiffer)
{
    QMenu* view = FirstMenu(bar);
    MenuPtr same = SampleMenu()->FirstPopup();
    menu->ReplaceWithPopup(0, "&View", same);
    renderer.FillBar(bar, menu);
    int fills = renderer.FillCount();
    emit view->aboutToShow();
    EXPECT_EQ(renderer.FillCount(), fills);
    EXPECT_EQ(view->actions().size(), 4);

    MenuPtr changed = CMenu::Create();
    changed->AppendCommand("&Twenty", 20);
    menu->ReplaceWithPopup(0, "&View", changed);
    renderer.FillBar(bar, menu);
    EXPECT_EQ(FirstMenu(bar), view);
    EXPECT_EQ(view->actions().size(), 4);  // not yet: only as it opens
    emit view->aboutToShow();
    ASSERT_EQ(view->actions().size(), 1);
    EXPECT_EQ(ActionCommandId(*view->actions().first()), 20);
    EXPECT_EQ(renderer.FillCount(), fills + 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view->findChildren<QMenu*>().isEmpty());  // the old submenu went too
}

TEST_F(MenuRendererTest, ARenamedBarItemRendersTheBarAgain)
{
    QPointer<QMenu> view = FirstMenu(bar);
    menu->ReplaceWithPopup(0, "&Look", menu->FirstPopup());
    renderer.FillBar(bar, menu);
    ASSERT_NE(FirstMenu(bar), nullptr);
    EXPECT_EQ(FirstMenu(bar)->title(), QStringLiteral("&Look"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}

TEST_F(MenuRendererTest, MenusOfClosedWindowsAreDropped)
{
    QPointer<QMenu> view = FirstMenu(bar);
    menu.reset();
    MenuPtr other = CMenu::Create();
    other->AppendCommand("&Direct", 20);
    renderer.FillBar(bar, other);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}

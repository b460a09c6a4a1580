// The main window: History box mirroring, the close box handed to the
// core, placement and window states.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <vector>

#include "framework/Application.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/MainToolBar.h"
#include "platform/qt/QtWindowSystem.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        MainWindowHooks hooks;
        hooks.close = [this] { ++closeRequests; };
        hooks.historyChosen = [this](int index) { chosen.push_back(index); };
        hooks.fileDropped = [this](const std::string& path) { dropped.push_back(path); };
        windows.Attach(app, hooks);
    }
    ~MainWindowTest() override { windows.Detach(); }

    MainWindow& Main() { return windows.Widget(); }

    ImageStore images{{}};
    QtWindowSystem windows{images};
    Ports ports;
    CApplication app{ports};
    int closeRequests = 0;
    std::vector<int> chosen;
    std::vector<std::string> dropped;
};

}  // namespace

TEST_F(MainWindowTest, HistoryBoxMirrorsTheCoreAndReportsOnlyUserChoices)
{
    Main().SetHistory({"C major", "D minor", "G major"}, 2);
    QComboBox* box = Main().ToolBar().HistoryBox();
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), QStringLiteral("G major"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(chosen.empty());

    emit box->activated(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(chosen, std::vector<int>{1});
}

TEST_F(MainWindowTest, TheCloseBoxIsTheCoresDecision)
{
    QCloseEvent event;
    QCoreApplication::sendEvent(&Main(), &event);
    EXPECT_FALSE(event.isAccepted());
    QCoreApplication::processEvents();
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(MainWindowTest, PlacementAndStates)
{
    WindowPlacement placement;
    placement.normal = Rect{50, 60, 750, 560};
    Main().SetPlacement(placement);
    Main().Show(SW_SHOWNORMAL);
    EXPECT_EQ(Main().GetPlacement().normal, placement.normal);
    EXPECT_FALSE(Main().IsMaximized());

    Main().Show(SW_SHOWMAXIMIZED);
    EXPECT_TRUE(Main().IsMaximized());
    EXPECT_EQ(Main().GetPlacement().showCmd, unsigned(SW_SHOWMAXIMIZED));
    EXPECT_EQ(Main().GetPlacement().normal, placement.normal);
    Main().Show(SW_RESTORE);
    EXPECT_FALSE(Main().IsMaximized());
}

TEST_F(MainWindowTest, APlacementOffEveryScreenKeepsOnlyItsSize)
{
    WindowPlacement placement;
    placement.normal = Rect{9000, 9000, 9600, 9400};
    Main().SetPlacement(placement);
    Rect normal = Main().GetPlacement().normal;
    EXPECT_LT(normal.left, 9000);
    EXPECT_EQ(normal.right - normal.left, 600);
    EXPECT_EQ(normal.bottom - normal.top, 400);
}

TEST_F(MainWindowTest, DroppedFilesGoToTheCoreOneByOne)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a song.mid")), QUrl(QStringLiteral("https://example.org/x")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/notes.txt"))});
    Main().show();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Main(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Main(), &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(dropped, (std::vector<std::string>{"/tmp/a song.mid", "/tmp/notes.txt"}));
}

TEST_F(MainWindowTest, QuitBeforeTheEventLoopRunsEndsItWhenItStarts)
{
    Main().Quit(3);
    EXPECT_EQ(QCoreApplication::exec(), 3);
}

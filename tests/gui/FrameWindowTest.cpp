// Frames as MDI children: the core drives them through the windows port,
// and what the user does to them reaches the core's frame and view.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/ImageStore.h"
#include "platform/qt/QtWindowSystem.h"
#include "platform/qt/TextEditor.h"

namespace {

struct ViewLog {
    std::vector<int> keysDown, keysUp;
    std::vector<std::pair<int, int>> doubleClicksAt;
    int doubleClicks = 0;
    int draws = 0;
    Rect clip;
};

class LoggingView : public CView {
public:
    LoggingView(ViewLog& log, ViewKind kind) : log_(log), kind_(kind) {}
    ViewKind Kind() const override { return kind_; }
    void OnDraw(IDrawingSurface& surface) override
    {
        ++log_.draws;
        log_.clip = surface.ClipBox();
        surface.FillRect(Rect{0, 0, 50, 50}, MakeColor(255, 0, 0));
        LogFont font;
        font.height = -14;
        font.faceName = "Morvix LineDraw Light";
        surface.Text(4, 4, "\xDA\xC4\xBF", font, 0, MakeColor(255, 255, 255), true);
    }
    void OnKeyDown(int code) override { log_.keysDown.push_back(code); }
    void OnKeyUp(int code) override { log_.keysUp.push_back(code); }
    void OnDoubleClick() override { ++log_.doubleClicks; }
    void OnDoubleClickAt(Point point) override
    {
        log_.doubleClicksAt.emplace_back(point.x, point.y);
        CView::OnDoubleClickAt(point);
    }

private:
    ViewLog& log_;
    ViewKind kind_;
};

class FrameWindowTest : public ::testing::Test {
protected:
    FrameWindowTest()
    {
        ports.windows = &windows;
        app = std::make_unique<CApplication>(ports);
        windows.Attach(*app, {});
        app->AddTemplate(MakeTemplate(ViewKind::Text));
        app->AddTemplate(MakeTemplate(ViewKind::Drawn));
        windows.Widget().resize(800, 600);
        windows.Widget().show();
    }
    ~FrameWindowTest() override
    {
        windows.Detach();
        app.reset();
    }

    std::unique_ptr<CDocTemplate> MakeTemplate(ViewKind kind)
    {
        CDocTemplate::Factories factories{
            [] { return std::make_unique<CDocument>(); },
            [] { return std::make_unique<CFrame>(); },
            [this, kind] { return std::make_unique<LoggingView>(log, kind); },
        };
        return std::make_unique<CDocTemplate>(*app, 3, "\nDoc\nDoc", std::move(factories));
    }

    CFrame* Open(int position) { return app->Template(position)->OpenDocumentFile({}, true)->FirstFrame(); }
    QMdiArea& Area() { return windows.Widget().Area(); }

    ImageStore images{{}};
    QtWindowSystem windows{images};
    Ports ports;
    std::unique_ptr<CApplication> app;
    ViewLog log;
};

}  // namespace

TEST_F(FrameWindowTest, TextFramesHoldAnEditorThatIsTheTextControl)
{
    CFrame* frame = Open(0);
    ASSERT_NE(frame, nullptr);
    QMdiSubWindow* active = Area().activeSubWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->windowTitle(), QStringLiteral("Doc1[*]"));
    auto* editor = qobject_cast<TextEditor*>(active->widget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(frame->Window()->TextControl(), static_cast<ITextControl*>(editor));
}

TEST_F(FrameWindowTest, PlacementRoundTripsAndStatesApply)
{
    CFrame* frame = Open(0);
    WindowPlacement placement;
    placement.normal = Rect{30, 40, 330, 240};
    frame->Window()->SetPlacement(placement);
    EXPECT_EQ(frame->Window()->GetPlacement().normal, placement.normal);
    EXPECT_EQ(frame->Window()->GetPlacement().showCmd, unsigned(SW_SHOWNORMAL));

    frame->Show(SW_SHOWMAXIMIZED);
    WindowPlacement maximized = frame->Window()->GetPlacement();
    EXPECT_EQ(maximized.showCmd, unsigned(SW_SHOWMAXIMIZED));
    EXPECT_EQ(maximized.normal, placement.normal);  // the size to restore to

    placement.normal = Rect{5, 5, 5, 5};  // degenerate rectangles get a usable size
    frame->Window()->SetPlacement(placement);
    Rect normal = frame->Window()->GetPlacement().normal;
    EXPECT_GT(normal.right - normal.left, 0);
    EXPECT_GT(normal.bottom - normal.top, 0);
}

TEST_F(FrameWindowTest, FitClientGivesTheViewTheAskedSize)
{
    CFrame* frame = Open(1);
    frame->Window()->FitClient(Size{321, 123});
    QCoreApplication::processEvents();
    Size client = frame->Window()->ClientSize();
    EXPECT_EQ(client.cx, 321);
    EXPECT_EQ(client.cy, 123);
}

TEST_F(FrameWindowTest, DrawnViewsPaintThroughTheSurfaceInScrolledCoordinates)
{
    CFrame* frame = Open(1);
    frame->Window()->FitClient(Size{200, 100});
    frame->Window()->SetScrollSizes(Size{1000, 800}, Size{10, 10});
    frame->Window()->ScrollTo(100, 50);
    int x = 0, y = 0;
    frame->Window()->GetScrollPosition(x, y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    auto* canvas = qobject_cast<DrawingCanvas*>(Area().activeSubWindow()->widget());
    ASSERT_NE(canvas, nullptr);
    log.draws = 0;
    canvas->viewport()->grab();
    EXPECT_GT(log.draws, 0);
    EXPECT_EQ(log.clip.left, 100);
    EXPECT_EQ(log.clip.top, 50);
}

TEST_F(FrameWindowTest, KeysReachTheViewAsVirtualKeysWithoutRepeats)
{
    Open(1);
    QWidget* canvas = Area().activeSubWindow()->widget();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(canvas, &press);
    QCoreApplication::sendEvent(canvas, &repeat);
    QCoreApplication::sendEvent(canvas, &release);
    EXPECT_EQ(log.keysDown, std::vector<int>{65});
    EXPECT_EQ(log.keysUp, std::vector<int>{65});
}

TEST_F(FrameWindowTest, ADoubleClickReachesADrawnViewAtItsPointInTheScrolledContent)
{
    CFrame* frame = Open(1);
    frame->Window()->FitClient(Size{200, 100});
    frame->Window()->SetScrollSizes(Size{1000, 800}, Size{10, 10});
    frame->Window()->ScrollTo(100, 50);
    auto* canvas = qobject_cast<DrawingCanvas*>(Area().activeSubWindow()->widget());
    ASSERT_NE(canvas, nullptr);
    const QPointF at(30, 40);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, canvas->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas->viewport(), &click);
    EXPECT_TRUE(log.doubleClicksAt.empty()) << "runs from the event loop, after the widget returned";
    QCoreApplication::processEvents();
    EXPECT_EQ(log.doubleClicksAt, (std::vector<std::pair<int, int>>{{130, 90}}));
    EXPECT_EQ(log.doubleClicks, 1) << "a view without use for the point takes the plain double click";
}

TEST_F(FrameWindowTest, TextViewsTakeThePlainDoubleClick)
{
    Open(0);
    auto* editor = qobject_cast<TextEditor*>(Area().activeSubWindow()->widget());
    ASSERT_NE(editor, nullptr);
    const QPointF at(10, 10);
    QMouseEvent click(QEvent::MouseButtonDblClick, at, editor->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor->viewport(), &click);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.doubleClicks, 1);
    EXPECT_TRUE(log.doubleClicksAt.empty());
}

TEST_F(FrameWindowTest, UserActivationTellsTheCore)
{
    CFrame* first = Open(0);
    CFrame* second = Open(0);
    EXPECT_EQ(app->ActiveFrame(), second);
    auto* firstSub = Area().subWindowList().first();
    Area().setActiveSubWindow(firstSub);
    EXPECT_EQ(app->ActiveFrame(), first);
}

TEST_F(FrameWindowTest, TheCloseBoxAsksTheCoreWhichDestroysTheWindow)
{
    Open(0);
    Open(0);
    ASSERT_EQ(app->Frames().size(), 2u);
    QMdiSubWindow* sub = Area().activeSubWindow();
    EXPECT_FALSE(sub->close());  // refused by Qt, handed to the core
    EXPECT_EQ(app->Frames().size(), 2u);
    QCoreApplication::processEvents();
    EXPECT_EQ(app->Frames().size(), 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Area().subWindowList().size(), 1);
    EXPECT_NE(Area().activeSubWindow(), nullptr);
}

TEST_F(FrameWindowTest, NewWindowsOpenLargeEnoughToWorkInAndStoredPlacementsStillApply)
{
    CFrame* frame = Open(0);
    Rect normal = frame->Window()->GetPlacement().normal;
    EXPECT_GE(normal.right - normal.left, 480);
    EXPECT_GE(normal.bottom - normal.top, 320);
    EXPECT_LE(normal.right - normal.left, Area().viewport()->width());

    CFrame* placed = Open(0);
    WindowPlacement placement;
    placement.normal = Rect{10, 20, 250, 200};
    placed->Window()->SetPlacement(placement);
    placed->Show(SW_SHOW);
    EXPECT_EQ(placed->Window()->GetPlacement().normal, placement.normal);
}

TEST_F(FrameWindowTest, TextCaptionsMarkUnsavedChanges)
{
    CFrame* frame = Open(0);
    QMdiSubWindow* sub = Area().activeSubWindow();
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->isWindowModified());
    ITextControl* text = frame->Window()->TextControl();
    text->SetText("abc");
    static_cast<TextEditor*>(sub->widget())->insertPlainText(QStringLiteral("x"));
    EXPECT_TRUE(sub->isWindowModified());
    text->SetModified(false);
    EXPECT_FALSE(sub->isWindowModified());

    frame->Window()->SetCaption("odd [*] name");
    EXPECT_EQ(sub->windowTitle(), QStringLiteral("odd [*][*] name[*]"));
}

// Windows as on any desktop: a new window takes the keys, Ctrl+F4 closes
// the active one, Ctrl+F6 steps through all of them, the Window menu
// reaches past nine, and the Chord menu checks what the model shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/ReferenceApp.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "framework/View.h"
#include "harmony/ModelDoc.h"
#include "platform/qt/DialogForm.h"
#include "platform/qt/FrameSubWindow.h"
#include "platform/qt/MainToolBar.h"
#include "platform/qt/MenuRenderer.h"
#include "platform/qt/QtFrameWindow.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

class WindowHandling : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gui.Start());
        Main().activateWindow();
        Settle();
    }

    MainWindow& Main() { return gui.ports->Windows().Widget(); }
    CReferenceApp& App() { return *gui.app; }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // A text file of the home folder, opened as the user would.
    CDocument* OpenText(const QString& name)
    {
        QString path = gui.home.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("some text\n");
        file.close();
        CDocument* document = App().OpenFileByType(path.toStdString());
        Settle();
        return document;
    }

    static QWidget* ContentOf(CFrame* frame)
    {
        auto* window = frame ? dynamic_cast<QtFrameWindow*>(frame->Window()) : nullptr;
        return window && window->SubWindow() ? window->SubWindow()->widget() : nullptr;
    }

    std::string ActiveTitle() { return App().ActiveFrame()->Document()->GetTitle(); }

    // Keys as the user types them, to whatever has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Main();
        QTest::keyClick(target, key, modifiers);
        Settle();
    }

    QMenu* BarMenu(const QString& title)
    {
        for (QAction* action : Main().menuBar()->actions())
            if (action->menu() && action->menu()->title() == title)
                return action->menu();
        return nullptr;
    }

    // Answers the next dialog form once it shows.
    static void AnswerModal(std::function<void(DialogForm&)> answer)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
            if (auto* dialog = qobject_cast<DialogForm*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                answer(*dialog);
            }
        });
        poll->start(5);
    }

    // Closes the next modal with Return, as the user would.
    static void AnswerMessageWithReturn()
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                poll->deleteLater();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        poll->start(5);
    }

    GuiApp gui;
};

QAction* ActionOf(QMenu& menu, int id)
{
    for (QAction* action : menu.actions())
        if (ActionCommandId(*action) == id)
            return action;
    return nullptr;
}

}  // namespace

TEST_F(WindowHandling, AWindowThatOpensTakesTheKeyboardFocus)
{
    CDocument* text = OpenText(QStringLiteral("notes.txt"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), ContentOf(text->FirstFrame()));

    App().Models().Primary()->FirstFrame()->Activate();
    App().RouteCommand(2368 + App().Instruments().FindInstrument("Treble-Clef"));
    Settle();
    CFrame* instrument = App().ActiveFrame();
    ASSERT_NE(instrument->Document(), text);
    EXPECT_EQ(QApplication::focusWidget(), ContentOf(instrument));
    EXPECT_NE(QApplication::focusWidget(), Main().ToolBar().HistoryBox());
}

TEST_F(WindowHandling, CtrlF4ClosesTheActiveWindow)
{
    CDocument* text = OpenText(QStringLiteral("close me.txt"));
    ASSERT_NE(text, nullptr);
    std::size_t before = App().Frames().size();
    Press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(App().Frames().size(), before - 1);
    EXPECT_NE(ActiveTitle(), "close me.txt");
}

TEST_F(WindowHandling, CtrlF6StepsThroughEveryWindowAndCtrlShiftF6Back)
{
    OpenText(QStringLiteral("a.txt"));
    OpenText(QStringLiteral("b.txt"));
    ASSERT_EQ(ActiveTitle(), "b.txt");
    Press(Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(ActiveTitle(), "Model");
    Press(Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(ActiveTitle(), "a.txt");
    Press(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ActiveTitle(), "Model");
    EXPECT_EQ(QApplication::focusWidget(), ContentOf(App().ActiveFrame()));
}

TEST_F(WindowHandling, TheWindowMenuReachesTheTenthWindowThroughMoreWindows)
{
    for (int i = 1; i <= 11; ++i)
        OpenText(QStringLiteral("file%1.txt").arg(i));
    QMenu* window = BarMenu(QStringLiteral("&Window"));
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    QAction* more = ActionOf(*window, ID_WINDOW_MORE);
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->text(), QStringLiteral("&More Windows..."));
    EXPECT_NE(ActionOf(*window, ID_WINDOW_CHILD_LAST), nullptr);

    int listed = 0;
    AnswerModal([&listed](DialogForm& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        listed = list->count();
        list->setCurrentRow(9);  // file9.txt: the model is the first window
        dialog.Finish(IDOK);
    });
    more->trigger();
    Settle();
    EXPECT_EQ(listed, 12);
    EXPECT_EQ(ActiveTitle(), "file9.txt");
}

// The keys the menus show work: Ctrl+W copies an instrument's vignette
// (the MDI windows' own Ctrl+W made it ambiguous), F1 is Help > Index.
TEST_F(WindowHandling, MenuKeysReachTheirCommands)
{
    App().Models().Primary()->FirstFrame()->Activate();
    App().RouteCommand(2368 + App().Instruments().FindInstrument("Guitar"));
    Settle();
    QApplication::clipboard()->clear();
    AnswerMessageWithReturn();
    Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());

    bool f1 = false;
    for (QAction* action : Main().menuBar()->findChildren<QAction*>())
        if (action->shortcut() == QKeySequence(Qt::Key_F1))
            f1 = f1 || ActionCommandId(*action) == ID_HELP_INDEX;
    EXPECT_TRUE(f1);
}

// A message box closed with Return leaves the keys with the window under it.
TEST_F(WindowHandling, AfterAMessageBoxTheWindowUnderItHasTheKeysAgain)
{
    CDocument* text = OpenText(QStringLiteral("under.txt"));
    ASSERT_NE(text, nullptr);
    AnswerMessageWithReturn();
    App().MessageBox("Something went wrong.", MessageIcon::Warning);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), ContentOf(text->FirstFrame()));
    Press(Qt::Key_A, Qt::NoModifier);
    Press(Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(text->FirstView()->TextControl()->GetText().substr(0, 2), "a\n");
}

// History replays, layouts and playback give the model a chord by name;
// the Chord menu checks it all the same.
TEST_F(WindowHandling, TheChordMenuChecksTheChordAHistoryReplayShows)
{
    constexpr int kChordFirst = 2240;
    CModelDoc* model = App().Models().Primary();
    ASSERT_NE(model, nullptr);
    int seventh = model->Host().Chords().FindShown("5-7-9-11 V7");
    ASSERT_GT(seventh, 0);
    App().RouteCommand(kChordFirst + seventh);
    App().RouteCommand(kChordFirst);  // none
    Settle();
    const std::vector<std::string>& entries = App().History().List().Items();
    ASSERT_GE(entries.size(), 2u);
    Main().ToolBar().HistoryBox()->setCurrentIndex(static_cast<int>(entries.size()) - 2);
    emit Main().ToolBar().HistoryBox()->activated(static_cast<int>(entries.size()) - 2);
    Settle();
    ASSERT_TRUE(model->State().HasChord());

    QMenu* chord = BarMenu(QStringLiteral("&Chord"));
    ASSERT_NE(chord, nullptr);
    QMenu* sevenths = nullptr;
    for (QAction* action : chord->actions())
        if (action->menu() && action->text() == QStringLiteral("seventh"))
            sevenths = action->menu();
    ASSERT_NE(sevenths, nullptr);
    emit sevenths->aboutToShow();
    QAction* v7 = ActionOf(*sevenths, kChordFirst + seventh);
    ASSERT_NE(v7, nullptr);
    EXPECT_TRUE(v7->isChecked());
    emit chord->aboutToShow();
    QAction* none = ActionOf(*chord, kChordFirst);
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(none->isChecked());
}


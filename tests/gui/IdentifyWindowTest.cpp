// The Identify window on the Qt ports: Key > Identify... opens it as a drawn
// window, a click on its keyboard enters a note and a double click on a
// result shows it in the model.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QMouseEvent>

#include "app/AppCommands.h"
#include "app/ReferenceApp.h"
#include "harmony/ModelDoc.h"
#include "instruments/IdentifyDoc.h"
#include "instruments/IdentifyLayout.h"
#include "instruments/IdentifyView.h"
#include "framework/Frame.h"
#include "platform/qt/QtPorts.h"
#include "GuiApp.h"

namespace {

CIdentifyDoc* OpenIdentify(CReferenceApp& app)
{
    for (CFrame* frame : app.Frames())
        if (auto* doc = dynamic_cast<CIdentifyDoc*>(frame->Document()))
            return doc;
    return nullptr;
}

QAbstractScrollArea* ActiveCanvas(MainWindow& main)
{
    QMdiSubWindow* sub = main.Area().activeSubWindow();
    return sub ? qobject_cast<QAbstractScrollArea*>(sub->widget()) : nullptr;
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A click as the toolkit delivers it: press and release; a double click
// adds a double-click event and a release.
void Click(QWidget* target, QPoint at, bool twice = false)
{
    SendMouse(target, QEvent::MouseButtonPress, at);
    SendMouse(target, QEvent::MouseButtonRelease, at);
    if (twice) {
        SendMouse(target, QEvent::MouseButtonDblClick, at);
        SendMouse(target, QEvent::MouseButtonRelease, at);
    }
}

}  // namespace

TEST(IdentifyWindow, OpensFromTheKeyMenuAndTakesClicks)
{
    GuiApp gui;
    ASSERT_TRUE(gui.Start());
    QtPorts& ports = *gui.ports;
    CReferenceApp* app = gui.app.get();

    ASSERT_TRUE(app->QueryCommand(ID_IDENTIFY).enabled);
    app->RouteCommand(ID_IDENTIFY);
    CIdentifyDoc* doc = OpenIdentify(*app);
    ASSERT_NE(doc, nullptr);
    app->RouteCommand(ID_IDENTIFY);  // a second time brings the same window forward
    EXPECT_EQ(OpenIdentify(*app), doc);

    MainWindow& main = ports.Windows().Widget();
    QAbstractScrollArea* canvas = ActiveCanvas(main);
    ASSERT_NE(canvas, nullptr);
    auto* view = dynamic_cast<CIdentifyView*>(app->ActiveFrame()->View());
    ASSERT_NE(view, nullptr);
    IdentifyLayout layout = view->Layout();
    for (int pitchClass : {2, 5, 9}) {
        Rect key = layout.KeyRect(pitchClass);
        Click(canvas->viewport(), QPoint(key.left + 3, key.bottom - 3));
    }
    EXPECT_EQ(doc->Notes(), PitchBit(2) | PitchBit(5) | PitchBit(9));
    ASSERT_FALSE(doc->Results().empty());

    QPoint firstRow(20, layout.ResultTop(0) + 2);
    Click(canvas->viewport(), firstRow, true);
    // A double click is carried out after the mouse handler returns.
    QApplication::processEvents();
    EXPECT_EQ(doc->Selected(), 0);
    CModelDoc* model = app->Models().Primary();
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->State().keyName, "D");
    EXPECT_EQ(model->State().scaleName, "natural minor");
    EXPECT_NE(model->State().reportText.find("Chord:   1,3 min, 5 per min"), std::string::npos);
    EXPECT_NE(model->State().reportText.find("Notes:  D F A"), std::string::npos);
}

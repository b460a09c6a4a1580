// Dialogs and message boxes: a close box but no minimise or maximise
// button, and room enough for the whole caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>

#include "framework/Dialog.h"
#include "framework/Prompts.h"
#include "platform/qt/DialogChrome.h"
#include "platform/qt/DialogForm.h"
#include "platform/qt/QtPrompts.h"

namespace {

void ExpectDialogButtonsOnly(const QWidget& window)
{
    Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);  // without it the window manager adds its own
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

int TitleTextWidth(const QString& caption)
{
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(caption);
}

}  // namespace

TEST(DialogChrome, CaptionWidthLeavesRoomBeyondTheTitleText)
{
    QString caption = QStringLiteral(" Notation Method");
    EXPECT_GT(CaptionWidth(caption), TitleTextWidth(caption) + 80);
    EXPECT_GT(CaptionWidth(QStringLiteral("Morvix Music Reference")), CaptionWidth(caption));
}

TEST(DialogChrome, AFormWithFewControlsIsStillWideEnoughForItsCaption)
{
    DialogData data;
    data.caption = " Notation Method";
    DialogControl check;
    check.id = 1;
    check.kind = DialogControl::Kind::Check;
    check.label = "&b";
    data.controls.push_back(check);
    DialogForm form(data);
    ExpectDialogButtonsOnly(form);
    form.adjustSize();
    EXPECT_GE(form.width(), CaptionWidth(QStringLiteral(" Notation Method")));
}

TEST(DialogChrome, AShortMessageBoxIsWideEnoughForTheApplicationTitle)
{
    QtPrompts prompts(nullptr);
    int width = 0;
    bool buttonsOnly = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        width = box->width();
        Qt::WindowFlags flags = box->windowFlags();
        buttonsOnly = (flags & Qt::WindowCloseButtonHint) && !(flags & Qt::WindowMaximizeButtonHint)
                      && !(flags & Qt::WindowMinimizeButtonHint);
        box->accept();
    });
    prompts.MessageBox("Model profile saved.", "Morvix Music Reference", MessageIcon::Information,
                       MessageButtons::Ok);
    EXPECT_GE(width, CaptionWidth(QStringLiteral("Morvix Music Reference")));
    EXPECT_TRUE(buttonsOnly);
}

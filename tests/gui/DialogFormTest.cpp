// Dialogs rendered from data write the user's answers back, except on Cancel.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "framework/Prompts.h"
#include "midi/QueueDialog.h"
#include "platform/qt/DialogForm.h"

namespace {

using Kind = DialogControl::Kind;

DialogControl Control(int id, Kind kind, const std::string& label, int value = 0)
{
    DialogControl control;
    control.id = id;
    control.kind = kind;
    control.label = label;
    control.value = value;
    return control;
}

DialogData Sample()
{
    DialogData data;
    data.caption = "Notation Method";
    data.Add(Control(1, Kind::Label, "Choose:"));
    data.Add(Control(2, Kind::Edit, "Name")).text = "old";
    data.Add(Control(3, Kind::DropList, "Key")).choices = {"C", "G", "D"};
    data.Add(Control(4, Kind::List, "")).choices = {"one", "two"};
    data.Add(Control(5, Kind::Check, "Both"));
    data.Add(Control(6, Kind::Radio, "Sharps", 1)).group = 1;
    data.Add(Control(7, Kind::Radio, "Flats")).group = 1;
    DialogControl& rate = data.Add(Control(8, Kind::Slider, "Rate", 50));
    rate.minimum = 10;
    rate.maximum = 200;
    data.extraButtons = {1014};
    return data;
}

// Answers the way a user would, then closes with the given button.
int Answer(DialogData& data, int button)
{
    DialogForm form(data);
    QTimer::singleShot(0, &form, [&form, button] {
        static_cast<QLineEdit*>(form.ControlWidget(2))->setText("new");
        static_cast<QComboBox*>(form.ControlWidget(3))->setCurrentIndex(2);
        static_cast<QListWidget*>(form.ControlWidget(4))->setCurrentRow(1);
        static_cast<QCheckBox*>(form.ControlWidget(5))->setChecked(true);
        static_cast<QRadioButton*>(form.ControlWidget(7))->setChecked(true);
        form.ControlWidget(8)->findChild<QSlider*>()->setValue(120);
        form.Finish(button);
    });
    return form.Run();
}

}  // namespace

TEST(DialogForm, OkWritesEveryValueBack)
{
    DialogData data = Sample();
    EXPECT_EQ(Answer(data, IDOK), IDOK);
    EXPECT_EQ(data.Find(2)->text, "new");
    EXPECT_EQ(data.Find(3)->value, 2);
    EXPECT_EQ(data.Find(4)->value, 1);
    EXPECT_EQ(data.Find(5)->value, 1);
    EXPECT_EQ(data.Find(6)->value, 0);  // radios of one group exclude each other
    EXPECT_EQ(data.Find(7)->value, 1);
    EXPECT_EQ(data.Find(8)->value, 120);
}

TEST(DialogForm, CancelLeavesTheDataAlone)
{
    DialogData data = Sample();
    EXPECT_EQ(Answer(data, IDCANCEL), IDCANCEL);
    EXPECT_EQ(data.Find(2)->text, "old");
    EXPECT_EQ(data.Find(6)->value, 1);
    EXPECT_EQ(data.Find(8)->value, 50);
}

TEST(DialogForm, ExtraButtonsCloseWithTheirIdAndWriteBack)
{
    DialogData data = Sample();
    EXPECT_EQ(Answer(data, 1014), 1014);
    EXPECT_EQ(data.Find(5)->value, 1);
}

TEST(DialogForm, ControlsShowTheDataTheyWereGiven)
{
    DialogData data = Sample();
    DialogForm form(data);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Notation Method"));
    EXPECT_EQ(static_cast<QLineEdit*>(form.ControlWidget(2))->text(), QStringLiteral("old"));
    EXPECT_EQ(static_cast<QComboBox*>(form.ControlWidget(3))->count(), 3);
    EXPECT_TRUE(static_cast<QRadioButton*>(form.ControlWidget(6))->isChecked());
    QSlider* slider = form.ControlWidget(8)->findChild<QSlider*>();
    EXPECT_EQ(slider->minimum(), 10);
    EXPECT_EQ(slider->maximum(), 200);
}

// The Queue dialog while its slider is dragged: "Queued" follows at once,
// on lines of its own; Cancel leaves the dialog's data as it was.
TEST(DialogForm, AFollowedSliderUpdatesTheLabelsWhileItMoves)
{
    DialogData data = MakeQueueDialog({1001, 0});
    DialogForm form(data);
    auto* queued = qobject_cast<QLabel*>(form.ControlWidget(IDC_QUEUE_QUEUED));
    auto* total = qobject_cast<QLabel*>(form.ControlWidget(IDC_QUEUE_TOTAL));
    ASSERT_TRUE(queued && total);
    EXPECT_EQ(total->text(), QStringLiteral("Total 1001 events"));
    EXPECT_EQ(queued->text(), QStringLiteral("Queued 0"));
    EXPECT_EQ(form.ControlWidget(IDC_QUEUE_SLIDER)->findChildren<QLabel*>().size(), 0)
        << "no bare slider position beside a slider the dialog follows";

    QSlider* slider = form.ControlWidget(IDC_QUEUE_SLIDER)->findChild<QSlider*>();
    int result = 0;
    QTimer::singleShot(0, &form, [&] {
        slider->setSliderDown(true);
        slider->setValue(50);
        EXPECT_EQ(queued->text(), QStringLiteral("Queued 500"));
        slider->setValue(51);
        EXPECT_EQ(queued->text(), QStringLiteral("Queued 510"));
        form.Finish(IDCANCEL);
    });
    result = form.Run();
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(data.Find(IDC_QUEUE_SLIDER)->value, 0);
    EXPECT_EQ(data.Find(IDC_QUEUE_QUEUED)->label, "Queued 0");
}

// The Colors dialog's rows: what the colour is for, its button and a
// swatch of the colour, side by side; a sentence wraps instead of
// stretching the dialog.
TEST(DialogForm, ControlsMarkedForTheSameRowStandBesideTheFirst)
{
    DialogData data;
    data.caption = "Colors";
    data.Add(Control(1, Kind::Label,
                     "Select colors for this document view and press OK to accept or Cancel to abort changes; use "
                     "Reset for current standard settings."));
    data.Add(Control(2, Kind::Label, "Text color:"));
    data.Add(Control(1052, Kind::Button, "Foreground")).sameRow = true;
    data.Add(Control(1152, Kind::Swatch, "", 0x0000FF)).sameRow = true;  // red in the lowest byte
    DialogForm form(data);

    QWidget* button = form.ControlWidget(1052);
    QWidget* swatch = form.ControlWidget(1152);
    ASSERT_TRUE(button && swatch);
    EXPECT_EQ(button->parentWidget(), swatch->parentWidget());
    EXPECT_EQ(swatch->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(static_cast<QLabel*>(form.ControlWidget(1))->wordWrap());
    EXPECT_FALSE(static_cast<QLabel*>(form.ControlWidget(2))->wordWrap());
    EXPECT_LT(form.sizeHint().width(), 520);
}

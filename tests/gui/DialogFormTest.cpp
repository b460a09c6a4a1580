// Dialogs rendered from data write the user's answers back, except on Cancel.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "framework/Prompts.h"
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

TEST(DialogForm, ASliderIsHeardWhileItMovesEvenIfTheDialogIsCancelled)
{
    DialogData data = Sample();
    std::vector<std::pair<int, int>> heard;
    data.onSlide = [&heard](int id, int value) { heard.emplace_back(id, value); };
    EXPECT_EQ(Answer(data, IDCANCEL), IDCANCEL);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{8, 120}}));
    EXPECT_EQ(data.Find(8)->value, 50) << "the data itself keeps what it had";
}

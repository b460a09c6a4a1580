#include "platform/qt/DialogForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "framework/Prompts.h"
#include "platform/qt/Colors.h"
#include "platform/qt/DialogChrome.h"

namespace {

constexpr int kResetButton = 1014;
constexpr size_t kLongestUnwrappedLabel = 60;
constexpr QSize kSwatchSize(40, 20);
constexpr int kSliderWidth = 260;

using Kind = DialogControl::Kind;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList Choices(const DialogControl& control)
{
    QStringList choices;
    for (const std::string& choice : control.choices)
        choices.append(Text(choice));
    return choices;
}

bool TakesRowLabel(Kind kind)
{
    return kind == Kind::Edit || kind == Kind::DropList || kind == Kind::List || kind == Kind::Slider;
}

}  // namespace

DialogForm::DialogForm(DialogData& data, QWidget* parent) : QDialog(parent), data_(data)
{
    setWindowTitle(Text(data.caption));
    auto* form = new QFormLayout(this);
    AddRows(*form);
    AddButtons(*form);
    ApplyDialogChrome(*this);
}

// A control starts a row; the controls marked for its row follow it there,
// a leading label standing as the row's label.
void DialogForm::AddRows(QFormLayout& form)
{
    const std::vector<DialogControl>& controls = data_.controls;
    for (size_t first = 0; first < controls.size();) {
        size_t end = first + 1;
        while (end < controls.size() && controls[end].sameRow)
            ++end;
        std::vector<QWidget*> row;
        for (size_t i = first; i < end; ++i)
            widgets_.push_back(row.emplace_back(MakeWidget(controls[i])));
        if (row.size() == 1)
            AddControl(form, controls[first], row.front());
        else
            AddSharedRow(form, controls[first].kind == Kind::Label, row);
        first = end;
    }
}

void DialogForm::AddControl(QFormLayout& form, const DialogControl& control, QWidget* widget)
{
    if (TakesRowLabel(control.kind) && !control.label.empty())
        form.addRow(Text(control.label), widget);
    else
        form.addRow(widget);
}

void DialogForm::AddSharedRow(QFormLayout& form, bool leadingLabel, const std::vector<QWidget*>& row)
{
    auto* rest = new QWidget;
    auto* line = new QHBoxLayout(rest);
    line->setContentsMargins(0, 0, 0, 0);
    for (size_t i = leadingLabel ? 1 : 0; i < row.size(); ++i)
        line->addWidget(row[i]);
    line->addStretch();
    if (leadingLabel)
        form.addRow(row.front(), rest);
    else
        form.addRow(rest);
}

QWidget* DialogForm::MakeWidget(const DialogControl& control)
{
    switch (control.kind) {
    case Kind::Label: {
        auto* label = new QLabel(Text(control.label));
        // A sentence wraps rather than stretch the dialog across the screen.
        label->setWordWrap(control.label.size() > kLongestUnwrappedLabel);
        return label;
    }
    case Kind::Swatch: {
        auto* swatch = new QFrame;
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setFixedSize(kSwatchSize);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, ToQColor(static_cast<Color>(control.value)));
        swatch->setPalette(palette);
        return swatch;
    }
    case Kind::Edit:
        return new QLineEdit(Text(control.text));
    case Kind::DropList: {
        auto* box = new QComboBox;
        box->addItems(Choices(control));
        box->setCurrentIndex(control.value);
        return box;
    }
    case Kind::List: {
        auto* list = new QListWidget;
        list->addItems(Choices(control));
        list->setCurrentRow(control.value);
        // A double click chooses the entry, as OK would.
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { Finish(IDOK); });
        return list;
    }
    case Kind::Check: {
        auto* check = new QCheckBox(Text(control.label));
        check->setChecked(control.value != 0);
        return check;
    }
    case Kind::Radio: {
        auto* radio = new QRadioButton(Text(control.label));
        QButtonGroup*& group = radioGroups_[control.group];
        if (!group)
            group = new QButtonGroup(this);
        group->addButton(radio);
        radio->setChecked(control.value != 0);
        return radio;
    }
    case Kind::Slider:
        return MakeSlider(control);
    case Kind::Button: {
        // A button inside the form closes it, like the extra buttons do.
        auto* button = new QPushButton(Text(control.label));
        int id = control.id;
        connect(button, &QPushButton::clicked, this, [this, id] { Finish(id); });
        return button;
    }
    }
    return new QWidget;
}

// A dialog that follows its slider in labels of its own shows no bare
// number beside it.
QWidget* DialogForm::MakeSlider(const DialogControl& control)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QStringLiteral("slider"));
    slider->setRange(control.minimum, control.maximum);
    slider->setValue(control.value);
    slider->setMinimumWidth(kSliderWidth);  // room to aim at one position in a hundred
    row->addWidget(slider);
    int id = control.id;
    if (data_.onChange) {
        connect(slider, &QSlider::valueChanged, this, [this, id](int v) { Follow(id, v); });
        return box;
    }
    auto* value = new QLabel(QString::number(slider->value()));
    connect(slider, &QSlider::valueChanged, value, [value](int v) { value->setNum(v); });
    row->addWidget(value);
    return box;
}

void DialogForm::Follow(int id, int value)
{
    DialogControl* control = data_.Find(id);
    if (!control)
        return;
    control->value = value;
    data_.onChange(data_, id);
    for (size_t i = 0; i < widgets_.size(); ++i)
        if (data_.controls[i].kind == Kind::Label)
            static_cast<QLabel*>(widgets_[i])->setText(Text(data_.controls[i].label));
}

void DialogForm::AddButtons(QFormLayout& form)
{
    auto* buttons = new QDialogButtonBox(data_.hasCancel ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                          : QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Finish(IDOK); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { Finish(IDCANCEL); });
    for (int id : data_.extraButtons) {
        if (HasButtonControl(id))
            continue;  // already shown among the controls
        QString label = id == kResetButton ? QStringLiteral("&Reset") : QStringLiteral("Button %1").arg(id);
        QPushButton* button = buttons->addButton(label, QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, [this, id] { Finish(id); });
    }
    form.addRow(buttons);
}

void DialogForm::Finish(int result)
{
    done(result);
}

// Escape and the close box end a dialog with 0, which is Cancel.
int DialogForm::Run()
{
    DialogData shown = data_;  // a followed slider writes into the data as it moves
    int result = exec();
    if (result == QDialog::Rejected)
        result = IDCANCEL;
    if (result != IDCANCEL)
        WriteBack();
    else
        data_ = std::move(shown);
    return result;
}

bool DialogForm::HasButtonControl(int id) const
{
    for (const DialogControl& control : data_.controls)
        if (control.kind == Kind::Button && control.id == id)
            return true;
    return false;
}

QWidget* DialogForm::ControlWidget(int id) const
{
    for (size_t i = 0; i < widgets_.size(); ++i)
        if (data_.controls[i].id == id)
            return widgets_[i];
    return nullptr;
}

void DialogForm::WriteBack()
{
    for (size_t i = 0; i < widgets_.size(); ++i)
        Store(data_.controls[i], widgets_[i]);
}

void DialogForm::Store(DialogControl& control, QWidget* widget) const
{
    switch (control.kind) {
    case Kind::Edit: control.text = static_cast<QLineEdit*>(widget)->text().toStdString(); break;
    case Kind::DropList: control.value = static_cast<QComboBox*>(widget)->currentIndex(); break;
    case Kind::List: control.value = static_cast<QListWidget*>(widget)->currentRow(); break;
    case Kind::Check:
    case Kind::Radio: control.value = static_cast<QAbstractButton*>(widget)->isChecked() ? 1 : 0; break;
    case Kind::Slider:
        control.value = widget->findChild<QSlider*>(QStringLiteral("slider"))->value();
        break;
    case Kind::Label:
    case Kind::Button:
    case Kind::Swatch: break;
    }
}

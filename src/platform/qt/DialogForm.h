#pragma once
// Any dialog given as data, rendered as a form: one row per control, then
// OK, Cancel and the dialog's other closing buttons. Values are written
// back to the data on every result but Cancel.
#include <QDialog>

#include <map>
#include <vector>

#include "framework/Dialog.h"

class QButtonGroup;
class QFormLayout;

class DialogForm : public QDialog {
    Q_OBJECT
public:
    DialogForm(DialogData& data, QWidget* parent = nullptr);

    // Runs modally; IDOK, IDCANCEL or the id of another closing button.
    int Run();
    // Ends the dialog as if the button with this result had been pressed.
    void Finish(int result);
    QWidget* ControlWidget(int id) const;

private:
    void AddRows(QFormLayout& form);
    void AddControl(QFormLayout& form, const DialogControl& control, QWidget* widget);
    void AddSharedRow(QFormLayout& form, bool leadingLabel, const std::vector<QWidget*>& row);
    bool HasButtonControl(int id) const;
    QWidget* MakeWidget(const DialogControl& control);
    QWidget* MakeSlider(const DialogControl& control);
    // A slider moved: the dialog's own code updates its labels, shown anew.
    void Follow(int id, int value);
    void AddButtons(QFormLayout& form);
    void WriteBack();
    void Store(DialogControl& control, QWidget* widget) const;

    DialogData& data_;
    std::vector<QWidget*> widgets_;  // one per control, in order
    std::map<int, QButtonGroup*> radioGroups_;
};

#pragma once
// A modal dialog as data: controls addressed by id. Each dialog of the
// program is a typed struct that fills and reads one of these, so that the
// Qt side can render any dialog and scripts can answer any dialog.
#include <functional>
#include <string>
#include <vector>

struct DialogControl {
    // A Swatch shows the colour in value (red in the lowest byte).
    enum class Kind { Label, Edit, DropList, List, Check, Radio, Slider, Button, Swatch };
    int id = 0;
    Kind kind = Kind::Edit;
    std::string label;
    std::vector<std::string> choices;  // DropList / List entries
    std::string text;                  // Edit text
    int value = 0;                     // selection, check state, slider position
    int minimum = 0, maximum = 100;    // Slider range
    int group = 0;                     // Radio buttons of one group share it
    bool sameRow = false;              // shown beside the control before it
};

struct DialogData {
    int resourceId = 0;
    std::string caption;
    std::vector<DialogControl> controls;
    std::vector<int> extraButtons;  // closing buttons besides OK and Cancel, e.g. Reset
    bool hasCancel = true;          // false for a box that only informs
    // Called while the user moves a slider, with the slider's new value
    // already in the data, so that labels can follow it; the dialog then
    // shows its labels' texts again.
    std::function<void(DialogData& dialog, int controlId)> onChange;

    DialogControl* Find(int id);
    const DialogControl* Find(int id) const;
    DialogControl& Add(DialogControl control);
    DialogControl& Add(int id, DialogControl::Kind kind, std::string label);
    // Sets a control from text the way a user would: a number selects, checks
    // or moves; other text is typed into an edit or picks the matching entry.
    bool SetFromText(int id, const std::string& value);
};

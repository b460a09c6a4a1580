#include "framework/Dialog.h"

#include <algorithm>
#include <charconv>

DialogControl* DialogData::Find(int id)
{
    auto it = std::find_if(controls.begin(), controls.end(), [id](auto& c) { return c.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

const DialogControl* DialogData::Find(int id) const
{
    return const_cast<DialogData*>(this)->Find(id);
}

DialogControl& DialogData::Add(DialogControl control)
{
    controls.push_back(std::move(control));
    return controls.back();
}

DialogControl& DialogData::Add(int id, DialogControl::Kind kind, std::string label)
{
    DialogControl control;
    control.id = id;
    control.kind = kind;
    control.label = std::move(label);
    return Add(std::move(control));
}

static bool ParseInt(const std::string& text, int& out)
{
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

bool DialogData::SetFromText(int id, const std::string& value)
{
    DialogControl* control = Find(id);
    if (!control)
        return false;
    if (control->kind == DialogControl::Kind::Edit) {
        control->text = value;
        return true;
    }
    int number = 0;
    if (control->kind == DialogControl::Kind::DropList || control->kind == DialogControl::Kind::List) {
        auto it = std::find(control->choices.begin(), control->choices.end(), value);
        if (it != control->choices.end()) {
            control->value = static_cast<int>(it - control->choices.begin());
            return true;
        }
    }
    if (!ParseInt(value, number))
        return false;
    control->value = number;
    return true;
}

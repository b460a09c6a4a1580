#include "platform/headless/HeadlessTextControl.h"

#include <algorithm>

#include "framework/CommandIds.h"

void HeadlessTextControl::SetText(const std::string& text)
{
    shared_->text = text;
    selStart_ = selEnd_ = 0;
    firstLine_ = 0;
    shared_->modified = false;
}

void HeadlessTextControl::ShareText(ITextControl& other)
{
    if (auto* headless = dynamic_cast<HeadlessTextControl*>(&other)) {
        shared_ = headless->shared_;
    } else {
        SetText(other.GetText());
        SetModified(other.IsModified());
    }
    ClampSelection();
}

int HeadlessTextControl::Clamp(int offset) const
{
    return std::clamp(offset, 0, static_cast<int>(shared_->text.size()));
}

void HeadlessTextControl::ClampSelection()
{
    selStart_ = Clamp(selStart_);
    selEnd_ = Clamp(selEnd_);
}

void HeadlessTextControl::GetSelection(int& start, int& end) const
{
    start = Clamp(selStart_);
    end = Clamp(selEnd_);
}

void HeadlessTextControl::SetSelection(int start, int end)
{
    // A negative end selects to the end of the text, as edit controls do.
    if (end < 0)
        end = static_cast<int>(shared_->text.size());
    selStart_ = Clamp(std::min(start, end));
    selEnd_ = Clamp(std::max(start, end));
}

int HeadlessTextControl::LineCount() const
{
    const std::string& text = shared_->text;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

void HeadlessTextControl::ScrollLines(int lines)
{
    firstLine_ = std::clamp(firstLine_ + lines, 0, LineCount() - 1);
}

void HeadlessTextControl::ShowScrollBars(bool vertical, bool horizontal)
{
    vertical_ = vertical;
    horizontal_ = horizontal;
}

void HeadlessTextControl::ReplaceSelection(const std::string& text)
{
    if (readOnly_)
        return;
    ClampSelection();
    shared_->text.replace(selStart_, selEnd_ - selStart_, text);
    selStart_ = selEnd_ = selStart_ + static_cast<int>(text.size());
    shared_->modified = true;
}

void HeadlessTextControl::EditCommand(int id)
{
    ClampSelection();
    std::string selected = shared_->text.substr(selStart_, selEnd_ - selStart_);
    switch (id) {
    case ID_EDIT_SELECT_ALL:
        SetSelection(0, -1);
        break;
    case ID_EDIT_COPY:
        if (!selected.empty())
            clipboard_.SetText(selected);
        break;
    case ID_EDIT_CUT:
        if (!selected.empty() && !readOnly_) {
            clipboard_.SetText(selected);
            ReplaceSelection("");
        }
        break;
    case ID_EDIT_PASTE:
        ReplaceSelection(clipboard_.GetText());
        break;
    case ID_EDIT_CLEAR:
        ReplaceSelection("");
        break;
    default:
        break;  // undo is not kept headless
    }
}

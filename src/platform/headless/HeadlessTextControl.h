#pragma once
// The editing control of a text view as plain data. The edit commands work
// on the selection through the given clipboard; undo is not kept.
#include <string>

#include "framework/Services.h"
#include "framework/TextControl.h"

class HeadlessTextControl : public ITextControl {
public:
    explicit HeadlessTextControl(IClipboard& clipboard) : clipboard_(clipboard) {}

    std::string GetText() const override { return text_; }
    void SetText(const std::string& text) override;
    void GetSelection(int& start, int& end) const override;
    void SetSelection(int start, int end) override;
    int FirstVisibleLine() const override { return firstLine_; }
    void ScrollLines(int lines) override;
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool IsReadOnly() const override { return readOnly_; }
    void SetFont(const LogFont& font) override { font_ = font; }
    void ShowScrollBars(bool vertical, bool horizontal) override;
    bool IsModified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    void EditCommand(int id) override;

    const LogFont& Font() const { return font_; }
    bool VerticalScrollBar() const { return vertical_; }
    bool HorizontalScrollBar() const { return horizontal_; }
    // What typing would do: replaces the selection (ignored when read-only).
    void ReplaceSelection(const std::string& text);

private:
    int LineCount() const;
    int Clamp(int offset) const;

    IClipboard& clipboard_;
    std::string text_;
    int selStart_ = 0, selEnd_ = 0;
    int firstLine_ = 0;
    bool readOnly_ = false;
    bool modified_ = false;
    bool vertical_ = true, horizontal_ = true;
    LogFont font_;
};

#pragma once
// The editing control of a text view as plain data. The edit commands work
// on the selection through the given clipboard; undo is not kept. Controls
// that share a text see each other's edits.
#include <memory>
#include <string>

#include "framework/Services.h"
#include "framework/TextControl.h"

class HeadlessTextControl : public ITextControl {
public:
    explicit HeadlessTextControl(IClipboard& clipboard) : clipboard_(clipboard) {}

    std::string GetText() const override { return shared_->text; }
    void SetText(const std::string& text) override;
    void GetSelection(int& start, int& end) const override;
    void SetSelection(int start, int end) override;
    int FirstVisibleLine() const override { return firstLine_; }
    void ScrollLines(int lines) override;
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool IsReadOnly() const override { return readOnly_; }
    void SetFont(const LogFont& font) override { font_ = font; }
    void ShowScrollBars(bool vertical, bool horizontal) override;
    bool IsModified() const override { return shared_->modified; }
    void SetModified(bool modified) override { shared_->modified = modified; }
    void EditCommand(int id) override;
    void ShareText(ITextControl& other) override;

    const LogFont& Font() const { return font_; }
    bool VerticalScrollBar() const { return vertical_; }
    bool HorizontalScrollBar() const { return horizontal_; }
    // What typing would do: replaces the selection (ignored when read-only).
    void ReplaceSelection(const std::string& text);

private:
    struct SharedText {
        std::string text;
        bool modified = false;
    };

    int LineCount() const;
    int Clamp(int offset) const;
    // The selection within the text as it is now: another control may have
    // shortened it.
    void ClampSelection();

    IClipboard& clipboard_;
    std::shared_ptr<SharedText> shared_ = std::make_shared<SharedText>();
    int selStart_ = 0, selEnd_ = 0;
    int firstLine_ = 0;
    bool readOnly_ = false;
    bool vertical_ = true, horizontal_ = true;
    LogFont font_;
};

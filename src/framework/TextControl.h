#pragma once
// Text control port: the editing control of a text view. The toolkit keeps
// the text; the core reads and sets it through this.
#include <string>

#include "framework/Font.h"

class ITextControl {
public:
    virtual ~ITextControl() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void GetSelection(int& start, int& end) const = 0;
    virtual void SetSelection(int start, int end) = 0;
    virtual int FirstVisibleLine() const = 0;
    virtual void ScrollLines(int lines) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;
    virtual void SetFont(const LogFont& font) = 0;
    virtual void ShowScrollBars(bool vertical, bool horizontal) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // The standard edit commands: undo, cut, copy, paste, clear, select all.
    virtual void EditCommand(int id) = 0;
    // From now on shows and edits the same text as other, with the same
    // modified flag, as a second window on one document does; selection
    // and scrolling stay each control's own.
    virtual void ShareText(ITextControl& other) = 0;
};

#pragma once
// The recorder's window: it takes every key message first and shows the
// held keys. Until the keyboard drawing is shared with it, a held key is a
// "*" in one row of 41 cells.
#include <string>
#include <vector>

#include "framework/View.h"

class CKeyboardInputDoc;

class CKeyboardInputView : public CView {
public:
    void OnKeyDown(int code) override;
    void OnKeyUp(int code) override;
    void OnDraw(IDrawingSurface& surface) override;
    // The row of keys as drawn.
    std::vector<std::string> AccessibleLines() override;
    CKeyboardInputDoc* Doc() const;

    // The row of keys: "*" held, "-" a white key, "^" a black key.
    static std::string KeyRow(const CKeyboardInputDoc& doc);
};

#pragma once
// The recorder's window: it takes every key message first. The picture of
// its keys is drawn by the view the application makes of it
// (instruments/RecorderView), which draws them as a keyboard instrument.
#include "framework/View.h"

class CKeyboardInputDoc;

class CKeyboardInputView : public CView {
public:
    void OnKeyDown(int code) override;
    void OnKeyUp(int code) override;
    CKeyboardInputDoc* Doc() const;
};

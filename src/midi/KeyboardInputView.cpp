#include "midi/KeyboardInputView.h"

#include "framework/Application.h"
#include "midi/KeyboardInputDoc.h"

CKeyboardInputDoc* CKeyboardInputView::Doc() const
{
    return dynamic_cast<CKeyboardInputDoc*>(GetDocument());
}

void CKeyboardInputView::OnKeyDown(int code)
{
    if (CKeyboardInputDoc* doc = Doc(); doc && doc->KeyDown(code))
        Invalidate();
}

void CKeyboardInputView::OnKeyUp(int code)
{
    if (CKeyboardInputDoc* doc = Doc(); doc && doc->KeyUp(code))
        Invalidate();
}

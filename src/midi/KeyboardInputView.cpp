#include "midi/KeyboardInputView.h"

#include "framework/Application.h"
#include "framework/Drawing.h"
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

std::string CKeyboardInputView::KeyRow(const CKeyboardInputDoc& doc)
{
    static constexpr bool kBlack[12] = {false, true, false, true, false, false, true, false, true, false, true, false};
    std::string row;
    for (int i = 0; i < kRecorderKeyCount; ++i) {
        if (doc.KeyHeld(i))
            row += '*';
        else
            row += kBlack[(kRecorderFirstNote + i) % 12] ? '^' : '-';
    }
    return row;
}

std::vector<std::string> CKeyboardInputView::AccessibleLines()
{
    CKeyboardInputDoc* doc = Doc();
    return doc ? std::vector<std::string>{KeyRow(*doc)} : std::vector<std::string>();
}

void CKeyboardInputView::OnDraw(IDrawingSurface& surface)
{
    CKeyboardInputDoc* doc = Doc();
    if (!doc)
        return;
    LogFont font = doc->App().ports.fonts->FixedOemFont();
    surface.Text(4, 4, KeyRow(*doc), font, MakeColor(0, 0, 0), MakeColor(255, 255, 255), false);
}

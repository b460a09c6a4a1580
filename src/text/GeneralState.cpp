#include <cstdio>

#include "framework/Application.h"
#include "framework/Frame.h"
#include "framework/TextControl.h"
#include "framework/View.h"
#include "text/ReadTokens.h"
#include "text/GeneralDoc.h"

std::string CGeneralDoc::FormatStateString()
{
    CView* view = FirstView();
    ITextControl* text = view ? view->TextControl() : nullptr;
    int firstLine = 0, start = 0, end = 0;
    if (text) {
        firstLine = text->FirstVisibleLine();
        text->GetSelection(start, end);
    }
    if (CFrame* frame = FirstFrame(); frame && frame->Window())
        placement = frame->Window()->GetPlacement();
    const Rect& r = placement.normal;
    char numbers[256];
    std::snprintf(numbers, sizeof numbers, "_Generic %d %d %d %d %d %d %d %d %u %d %d %d %u %u %u %u ",
                  kind, firstLine, start, end, r.left, r.top, r.right, r.bottom, placement.showCmd,
                  font.height, font.width, font.weight, font.italic & 0xFFu, font.charSet & 0xFFu,
                  font.quality & 0xFFu, font.pitchAndFamily & 0xFFu);
    return numbers + font.faceName + " $ ";
}

bool CGeneralDoc::ParseStateString(const std::string& text)
{
    stateString.clear();
    CFrame* frame = FirstFrame();
    if (frame && frame->Window())
        placement = frame->Window()->GetPlacement();
    font = App().ports.fonts->SystemFont();
    std::size_t cursor = text.find("_Generic");
    if (cursor == std::string::npos || ReadToken(text, cursor).size() != 8)
        return false;
    int values[16];
    for (int& value : values)
        value = ReadInt(text, cursor);
    std::string face;
    for (std::string token = ReadToken(text, cursor); !token.empty() && token != "$";
         token = ReadToken(text, cursor))
        face += (face.empty() ? "" : " ") + token;
    WindowPlacement read = placement;
    read.normal = {values[4], values[5], values[6], values[7]};
    read.showCmd = static_cast<unsigned>(values[8]);
    // Another kind's string, or a window that would not show, is no state of this document.
    if (values[0] != kind || !IsShowablePlacement(read))
        return false;
    placement = read;
    font = {values[9], values[10], values[11], values[12], values[13], values[14], values[15],
            face.substr(0, 31)};
    CView* view = FirstView();
    if (ITextControl* control = view ? view->TextControl() : nullptr) {
        control->SetFont(font);
        control->ScrollLines(values[1] - control->FirstVisibleLine());
        control->SetSelection(values[2], values[3]);
    }
    if (frame && frame->Window())
        frame->Window()->SetPlacement(placement);
    stateString = text;
    return true;
}

// The instrument document's font, window placement, scrolling, painting
// and the "_Vanilla" part of its layout state string.
#include <algorithm>

#include "framework/Application.h"
#include "framework/Drawing.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "instruments/InstrumDoc.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/InstrumentHost.h"

namespace {

constexpr int kSymbolCharSet = 2;

// A grid's extent scaled by a font ratio, bounded so that a wild ratio from
// a profile cannot overflow the window rectangle.
int ScaledExtent(int extent, double ratio)
{
    double scaled = static_cast<double>(extent) * ratio;
    return scaled > 0 ? static_cast<int>(std::min(scaled, 65536.0)) : 0;
}

} // namespace

void CInstrumDoc::MeasureFont()
{
    FontMetrics metrics = App().ports.fonts->Measure(base.logFont);
    base.charSet = metrics.charSet;
    base.descent = metrics.descent;
    base.fontHeightNormal = metrics.height;
    base.fontWidthNormal = metrics.maxCharWidth;
}

void CInstrumDoc::ResetFont()
{
    base.logFont = App().ports.fonts->FixedOemFont();
    base.fontHeightRatio = kind == 4 ? 0.5 : 1.0;
    base.fontWidthRatio = 1.0;
    base.descent = 2;
    base.fontHeightNormal = 12;
    base.fontWidthNormal = 8;
    LogFont& font = base.logFont;
    font.weight = 400;
    font.italic = 0;
    font.charSet = kSymbolCharSet;
    font.quality = 1;
    font.pitchAndFamily = 1;
    font.width = 8;
    font.height = ScaledFontSize(12, base.fontHeightRatio);
    font.faceName = kLineDrawLightFace;
    MeasureFont();
    base.ApplyFontRatios();
    if (CView* view = FirstView())
        view->Invalidate();
}

void CInstrumDoc::ApplyChosenFont(const LogFont& chosen)
{
    base.logFont = chosen;
    MeasureFont();
    base.ApplyFontRatios();
    UpdateAllViews();
}

void CInstrumDoc::LoadBaseSettings()
{
    base.LoadBaseSettings(*App().ports.settings, name, kind, App().ports.fonts->FixedOemFont());
    ApplyWindowState();
    if (CView* view = FirstView())
        view->Invalidate();
}

void CInstrumDoc::SaveBaseSettings()
{
    ReadWindowState();
    base.SaveBaseSettings(*App().ports.settings, name);
}

void CInstrumDoc::ReadWindowState()
{
    CView* view = FirstView();
    IFrameWindow* window = view ? view->Window() : nullptr;
    if (!window)
        return;
    base.placement = window->GetPlacement();
    window->GetScrollPosition(base.scrollX, base.scrollY);
}

void CInstrumDoc::ApplyWindowState()
{
    CView* view = FirstView();
    IFrameWindow* window = view ? view->Window() : nullptr;
    if (!window)
        return;
    window->SetPlacement(base.placement);
    SetScrollSizes({base.scrollWidth, base.scrollHeight});
    window->ScrollTo(base.scrollX, base.scrollY);
}

void CInstrumDoc::SetScrollSizes(Size total)
{
    base.scrollWidth = total.cx;
    base.scrollHeight = total.cy;
    CView* view = FirstView();
    if (IFrameWindow* window = view ? view->Window() : nullptr)
        window->SetScrollSizes(total, {std::max(1, base.logFont.width), std::max(1, base.logFont.height)});
}

void CInstrumDoc::Draw(IDrawingSurface& surface)
{
    BuildLines();
    if (base.viewStyle == 't')
        DrawTextLines(surface);
}

Size CInstrumDoc::GetDrawingSize()
{
    if (base.viewStyle == 't') {
        std::size_t longest = 0;
        for (int i = 0; i < base.lineCount && i < static_cast<int>(base.lines.size()); ++i)
            longest = std::max(longest, base.lines[static_cast<std::size_t>(i)].size());
        drawingSize_ = {base.logFont.width * (static_cast<int>(longest) + 1), base.logFont.height * (base.lineCount + 1)};
    } else if (base.viewStyle == 'g') {
        drawingSize_ = graphSize;
    }
    return drawingSize_;
}

void CInstrumDoc::DrawTextLines(IDrawingSurface& surface)
{
    PaintTextLines(surface, base);
}

void CInstrumDoc::FitWindowTo(int columns, int rows)
{
    int w = base.fontWidthNormal;
    int h = base.fontHeightNormal;
    int gridWidth = w * (columns + 2);
    int gridHeight = h * (rows + 2);
    Rect& r = base.placement.normal;
    r.left = kind * w;
    r.top = kind * h;
    r.right = r.left + ScaledExtent(gridWidth, base.fontWidthRatio) + 25;
    r.bottom = r.top + ScaledExtent(gridHeight, base.fontHeightRatio) + 60;
    base.placement.showCmd = SW_SHOWNORMAL;
    base.placement.flags = 1;
    base.scrollX = base.scrollY = 0;
    CView* view = FirstView();
    if (IFrameWindow* window = view ? view->Window() : nullptr) {
        window->SetPlacement(base.placement);
        if (!host_.LoadingLayout())
            window->Show(SW_SHOWNORMAL);
        window->ScrollTo(0, 0);
    }
    UpdateAllViews();
}

std::string CInstrumDoc::FormatStateString()
{
    ReadWindowState();
    return base.FormatVanillaState();
}

bool CInstrumDoc::ParseStateString(const std::string& text)
{
    stateText.clear();
    ReadWindowState();
    if (!base.ParseVanillaState(text, App().ports.fonts->FixedOemFont()))
        return false;
    ApplyWindowState();
    SetTitle(name);
    UpdateNoteMarks();
    stateText = text;
    return true;
}

// The instrument document's font, window placement, scrolling, painting
// and the "_Vanilla" part of its layout state string.
#include <algorithm>

#include "framework/Application.h"
#include "framework/Drawing.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "instruments/GridLines.h"
#include "instruments/InstrumDoc.h"
#include "instruments/InstrumentHost.h"
#include "instruments/InstrumentKind.h"

namespace {

constexpr int kSymbolCharSet = 2;
// The default font's cell before any ratio.
constexpr int kDefaultCellHeight = 12;
constexpr int kDefaultCellWidth = 8;

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

// The line-drawing font at the unscaled cell height: it is measured as it
// is, and the sheet's half-height ratio is applied once, to the measurement.
LogFont CInstrumDoc::DefaultFont() const
{
    LogFont font = App().ports.fonts->FixedOemFont();
    font.weight = 400;
    font.italic = 0;
    font.charSet = kSymbolCharSet;
    font.quality = 1;
    font.pitchAndFamily = 1;
    font.width = kDefaultCellWidth;
    font.height = kDefaultCellHeight;
    font.faceName = kLineDrawLightFace;
    return font;
}

void CInstrumDoc::ResetFont()
{
    base.fontHeightRatio = kind == kSheetInstrument ? 0.5 : 1.0;
    base.fontWidthRatio = 1.0;
    base.descent = 2;
    base.fontHeightNormal = kDefaultCellHeight;
    base.fontWidthNormal = kDefaultCellWidth;
    base.logFont = DefaultFont();
    MeasureFont();
    base.ApplyFontRatios();
    if (CView* view = FirstView())
        view->Invalidate();
}

// Earlier versions measured a sheet's default font at half height and then
// halved it again, and saved that cell: a sheet whose normal cell is what
// the default font measures at half height gets the full measurement back.
void CInstrumDoc::RepairHalvedSheetCell()
{
    if (kind != kSheetInstrument || base.logFont.faceName != kLineDrawLightFace)
        return;
    LogFont font = DefaultFont();
    font.height = ScaledFontSize(kDefaultCellHeight, 0.5);
    FontMetrics halved = App().ports.fonts->Measure(font);
    if (base.fontHeightNormal != halved.height || base.fontWidthNormal != halved.maxCharWidth)
        return;
    FontMetrics full = App().ports.fonts->Measure(DefaultFont());
    base.fontHeightNormal = full.height;
    base.fontWidthNormal = full.maxCharWidth;
    base.descent = full.descent;
    base.ApplyFontRatios();
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
    RepairHalvedSheetCell();
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
    PaintGridLines(surface, base);
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
    RepairHalvedSheetCell();
    ApplyWindowState();
    SetTitle(name);
    UpdateNoteMarks();
    stateText = text;
    return true;
}

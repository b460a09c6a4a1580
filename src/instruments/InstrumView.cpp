#include "instruments/InstrumView.h"

#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Drawing.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "harmony/ModelView.h"
#include "instruments/ClipboardText.h"
#include "instruments/ExportImage.h"
#include "instruments/GridLines.h"
#include "instruments/InstrumCommands.h"
#include "instruments/InstrumDoc.h"

CInstrumView::CInstrumView()
{
    DeclareInstrumentCommands();
    DeclareModelCommands();
}

CInstrumDoc* CInstrumView::Doc() const
{
    return dynamic_cast<CInstrumDoc*>(GetDocument());
}

void CInstrumView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0);
    if (IFrameWindow* window = Window()) {
        window->SetScrollSizes(kInitialScrollSize, {8, 12});
        window->ShowScrollBars(true, true);
    }
}

// The scroll sizes follow the drawing. They are set here rather than while
// painting: a scroll bar that appears or goes changes the area being painted.
void CInstrumView::OnUpdate(CView*, int)
{
    CInstrumDoc* doc = Doc();
    if (!doc || !doc->Model())
        return;
    doc->BuildLines();
    FollowDrawingSize(doc->GetDrawingSize());
    Invalidate();
}

void CInstrumView::FollowDrawingSize(Size size)
{
    CInstrumDoc* doc = Doc();
    IFrameWindow* window = Window();
    if (!window || (size.cx == shownScrollSize_.cx && size.cy == shownScrollSize_.cy))
        return;
    shownScrollSize_ = size;
    doc->base.scrollWidth = size.cx;
    doc->base.scrollHeight = size.cy;
    window->SetScrollSizes(size, {std::max(1, doc->base.logFont.width), std::max(1, doc->base.logFont.height)});
}

void CInstrumView::OnDraw(IDrawingSurface& surface)
{
    if (CInstrumDoc* doc = Doc(); doc && doc->Model())
        doc->Draw(surface);
}

std::string CInstrumView::AccessibleSummary()
{
    CInstrumDoc* doc = Doc();
    return doc ? doc->Summary() : std::string();
}

// The lines Copy All copies, line drawing as box-drawing characters, without
// the blanks around the drawing.
std::vector<std::string> CInstrumView::AccessibleLines()
{
    CInstrumDoc* doc = Doc();
    if (!doc || !doc->Model())
        return {};
    doc->BuildLines();
    std::vector<std::string> lines;
    for (const std::string& line : doc->base.ValidLines())
        lines.push_back(GridTextToUtf8(line));
    return TrimmedGridLines(std::move(lines));
}

bool CInstrumView::CanPrint() const
{
    CInstrumDoc* doc = Doc();
    return doc && doc->Model();
}

// The sheet's half-height rows are for the screen: paper gets the font's
// whole cell, and a grid too wide for the page is shrunk, never wrapped.
bool CInstrumView::MakePrintJob(PrintJob& job)
{
    if (!CanPrint())
        return false;
    CInstrumDoc* doc = Doc();
    doc->BuildLines();
    if (doc->base.viewStyle == 'g') {
        job.title = doc->GetTitle();
        job.drawingSize = doc->GetDrawingSize();
        job.draw = [doc](IDrawingSurface& surface) { doc->Draw(surface); };
        return true;
    }
    std::vector<std::string> lines;
    for (const std::string& line : doc->base.ValidLines())
        lines.push_back(GridTextToUtf8(line));
    job = GridPrintJob(doc->GetTitle(), lines, doc->base.logFont, doc->base.fontWidthNormal,
                       doc->base.fontHeightNormal);
    return true;
}

MenuPtr CInstrumView::ContextMenu()
{
    MenuPtr menu = GetDocument()->Template().ContextMenu();
    return menu ? menu->FirstPopup() : nullptr;
}

void CInstrumView::DeclareInstrumentCommands()
{
    auto withDoc = [this](void (CInstrumDoc::*action)()) {
        return [this, action] {
            if (CInstrumDoc* doc = Doc(); doc && doc->Model())
                (doc->*action)();
        };
    };
    On(ID_EDIT_COPY, [this] { OnCopyAll(); });
    On(ID_VIGNETTE, [this] { OnVignette(); });
    On(ID_VIEW_FONT, [this] { OnFont(); });
    On(ID_COLORS, [this] { OnColors(); });
    On(ID_DETAILS, withDoc(&CInstrumDoc::RunDetailsDialog));
    On(ID_EXPORT_IMAGE, [this] {
        if (CInstrumDoc* doc = Doc(); doc && doc->Model())
            ExportInstrumentImage(*doc);
    });
    On(ID_NOTATION, [this] { OnNotation(); });
    On(ID_CHANNEL, [this] { OnChannel(); });
    On(ID_FILE_SAVE, [this] { OnSave(); });
    On(ID_FILE_SAVE_AS, [this] { OnSaveAs(); });
    On(ID_SCROLL_NONE, [this] { ShowScrollBars(false, false); });
    On(ID_SCROLL_VERTICAL, [this] { ShowScrollBars(true, false); });
    On(ID_SCROLL_HORIZONTAL, [this] { ShowScrollBars(false, true); });
    On(ID_SCROLL_BOTH, [this] { ShowScrollBars(true, true); });
}

// The model's menus behave in an instrument window as in the model's own.
void CInstrumView::DeclareModelCommands()
{
    auto withModel = [this](void (*action)(CModelDoc&, int)) {
        return [this, action](int id) {
            if (CModelDoc* model = Doc() ? Doc()->Model() : nullptr)
                action(*model, id);
        };
    };
    auto checks = [this](int id, CommandState& state) {
        CModelView::UpdateChecks(Doc() ? Doc()->Model() : nullptr, id, state);
    };
    OnRange(ID_KEY_FIRST, ID_KEY_LAST, withModel(&CModelView::OnKey), checks);
    OnRange(ID_SCALE_FIRST, ID_SCALE_FIRST + kCommandRangeSize - 1, withModel(&CModelView::OnScale), checks);
    OnRange(ID_CHORD_FIRST, ID_CHORD_FIRST + kCommandRangeSize - 1, withModel(&CModelView::OnChord), checks);
    OnRange(ID_INSTRUMENT_FIRST, ID_INSTRUMENT_FIRST + kCommandRangeSize - 1,
            withModel([](CModelDoc& model, int id) { model.AddInstrument(id - ID_INSTRUMENT_FIRST); }));
    OnRange(ID_FRAME_FIRST, ID_FRAME_FIRST + kCommandRangeSize - 1,
            withModel([](CModelDoc& model, int id) { model.ActivateInstrument(id - ID_FRAME_FIRST); }));
}

void CInstrumView::ShowScrollBars(bool vertical, bool horizontal)
{
    if (IFrameWindow* window = Window())
        window->ShowScrollBars(vertical, horizontal);
}

#include "instruments/RecorderView.h"

#include "framework/Application.h"
#include "framework/Dialog.h"
#include "framework/Document.h"
#include "framework/Drawing.h"
#include "instruments/ClipboardText.h"
#include "instruments/DetailsDialogParts.h"
#include "instruments/GridLines.h"
#include "instruments/InstrumCommands.h"
#include "instruments/KeyboardGraph.h"
#include "instruments/KeyboardText.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/RecorderKeys.h"

namespace {

// The recorder's keys are MIDI notes 48 to 88: 41 keys from the C of
// octave 4.
constexpr const char* kRecorderEntry = "41 C 4 G 0 0";
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 12;

enum Control { kText = 1055, kGraph = 1056, kHorizontal = 1029, kVertical = 1030, kClear = 1037, kTranslucent = 1043,
               kOpaque = 1038 };
enum Group { kViewStyleGroup = 1, kOrientationGroup, kTopKeyGroup };

} // namespace

CRecorderView::CRecorderView()
{
    keyboard.SetDefaults(kRecorderEntry);
    base.viewStyle = 'g';
    On(ID_DETAILS, [this] { OnDetails(); });
}

// The line-drawing font at its full cell, measured as the instruments do.
void CRecorderView::OnInitialUpdate()
{
    LogFont& font = base.logFont;
    font = GetDocument()->App().ports.fonts->FixedOemFont();
    font.faceName = kLineDrawLightFace;
    font.height = kCellHeight;
    font.width = kCellWidth;
    font.weight = 400;
    font.charSet = 2;
    font.pitchAndFamily = 1;
    base.charSet = GetDocument()->App().ports.fonts->Measure(font).charSet;
    if (IFrameWindow* window = Window()) {
        Size size = DrawingSize();
        window->FitClient({size.cx + 4, size.cy + 4});
    }
    OnUpdate(nullptr, 0);
}

void CRecorderView::OnUpdate(CView*, int)
{
    if (IFrameWindow* window = Window())
        window->SetScrollSizes(DrawingSize(), {kCellWidth, kCellHeight});
    Invalidate();
}

NoteSources CRecorderView::MarkedKeys()
{
    marks_ = {};
    if (auto* doc = dynamic_cast<CKeyboardInputDoc*>(GetDocument()))
        for (int key = 0; key < kRecorderKeyCount; ++key)
            if (doc->KeyMarked(key))
                marks_[static_cast<std::size_t>(kRecorderFirstNote + key)].Set("*");
    NoteSources sources;
    sources.live = true;
    sources.marks = &marks_;
    return sources;
}

Size CRecorderView::DrawingSize()
{
    if (base.viewStyle == 'g') {
        PixelSize size = KeyboardGraphSize(keyboard, 0, speller_);
        return {size.width, size.height};
    }
    TextLines();
    std::size_t longest = 0;
    for (int i = 0; i < base.lineCount; ++i)
        longest = std::max(longest, base.lines[static_cast<std::size_t>(i)].size());
    return {base.logFont.width * (static_cast<int>(longest) + 1), base.logFont.height * (base.lineCount + 1)};
}

void CRecorderView::OnDraw(IDrawingSurface& surface)
{
    NoteSources sources = MarkedKeys();
    if (base.viewStyle == 'g') {
        PaintKeyboardGraph(surface, keyboard, speller_, &sources, base);
        return;
    }
    BuildKeyboardLines(keyboard, &sources, speller_, base);
    PaintGridLines(surface, base);
}

std::vector<std::string> CRecorderView::TextLines()
{
    NoteSources sources = MarkedKeys();
    BuildKeyboardLines(keyboard, &sources, speller_, base);
    std::vector<std::string> lines;
    for (const std::string& line : base.ValidLines())
        lines.push_back(GridTextToUtf8(line));
    return lines;
}

bool CRecorderView::MakePrintJob(PrintJob& job)
{
    if (!GetDocument())
        return false;
    std::string title = GetDocument()->GetTitle();
    if (base.viewStyle == 'g') {
        job.title = title;
        job.drawingSize = DrawingSize();
        job.draw = [this](IDrawingSurface& surface) { OnDraw(surface); };
        return true;
    }
    job = GridPrintJob(title, TextLines(), base.logFont, kCellWidth, kCellHeight);
    return true;
}

std::vector<std::string> CRecorderView::AccessibleLines()
{
    return TrimmedGridLines(TextLines());
}

void CRecorderView::OnDetails()
{
    DialogData dialog;
    dialog.resourceId = 114;
    dialog.caption = " Keyboard Instrument Details";
    AddRadio(dialog, kText, "View Style: Text", kViewStyleGroup, base.viewStyle == 't');
    AddRadio(dialog, kGraph, "View Style: Graph", kViewStyleGroup, base.viewStyle == 'g');
    AddRadio(dialog, kHorizontal, "Orientation: Horizontal", kOrientationGroup, keyboard.orientation == 'a');
    AddRadio(dialog, kVertical, "Orientation: Vertical", kOrientationGroup, keyboard.orientation == 'd');
    AddRadio(dialog, kClear, "Top keys: Clear", kTopKeyGroup, keyboard.topKey == 'c');
    AddRadio(dialog, kTranslucent, "Top keys: Translucent", kTopKeyGroup, keyboard.topKey == 't');
    AddRadio(dialog, kOpaque, "Top keys: Opaque", kTopKeyGroup, keyboard.topKey == 'o');
    if (RunWithRanges(*GetDocument()->App().ports.prompts, dialog, {}) != IDOK)
        return;
    base.viewStyle = ChosenCode(dialog, {{kText, 't'}, {kGraph, 'g'}}, base.viewStyle);
    keyboard.orientation = ChosenCode(dialog, {{kHorizontal, 'a'}, {kVertical, 'd'}}, keyboard.orientation);
    keyboard.topKey = ChosenCode(dialog, {{kClear, 'c'}, {kTranslucent, 't'}, {kOpaque, 'o'}}, keyboard.topKey);
    if (IFrameWindow* window = Window()) {
        Size size = DrawingSize();
        window->FitClient({std::min(size.cx + 4, 1200), std::min(size.cy + 4, 600)});
    }
    OnUpdate(nullptr, 0);
}

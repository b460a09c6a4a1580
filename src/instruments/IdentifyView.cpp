#include "instruments/IdentifyView.h"

#include <algorithm>

#include "framework/Application.h"
#include "framework/Drawing.h"
#include "instruments/IdentifyDoc.h"

namespace {

constexpr Color kBlack = MakeColor(0, 0, 0);
constexpr Color kWhite = MakeColor(255, 255, 255);
constexpr Color kEntered = MakeColor(64, 128, 224);
constexpr Color kSelectedBack = MakeColor(0, 0, 128);
constexpr int kKindColumn = 7;
constexpr int kKeyColumn = 5;

std::string Padded(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

// The scale column is as wide as the longest scale name listed.
std::size_t ScaleColumn(const CIdentifyDoc& doc)
{
    std::size_t width = 7;
    for (const IdentifyResult& result : doc.Results())
        width = std::max(width, doc.Fields(result)[2].size() + 2);
    return width;
}

std::string Row(const std::array<std::string, 4>& fields, std::size_t scaleColumn)
{
    return Padded(fields[0], kKindColumn) + Padded(fields[1], kKeyColumn) + Padded(fields[2], scaleColumn) + fields[3];
}

} // namespace

CIdentifyDoc* CIdentifyView::Doc() const
{
    return dynamic_cast<CIdentifyDoc*>(GetDocument());
}

IdentifyLayout CIdentifyView::Layout() const
{
    CIdentifyDoc* doc = Doc();
    if (!doc || !doc->App().ports.fonts)
        return IdentifyLayout(16, 8);
    FontMetrics metrics = doc->App().ports.fonts->Measure(doc->App().ports.fonts->FixedOemFont());
    return IdentifyLayout(metrics.height, metrics.maxCharWidth);
}

std::vector<std::string> CIdentifyView::TextLines(const CIdentifyDoc& doc)
{
    std::vector<std::string> lines;
    std::string notes = doc.Played().Text();
    lines.push_back("Notes:  " + (notes.empty() ? std::string("(none)") : notes) +
                    (doc.FromPlayback() ? "  (from playback)" : ""));
    std::size_t scaleColumn = ScaleColumn(doc);
    lines.push_back(Row({"", "Key", "Scale", "Chord"}, scaleColumn));
    for (std::size_t i = 0; i < doc.Results().size(); ++i) {
        std::string row = Row(doc.Fields(doc.Results()[i]), scaleColumn);
        lines.push_back((static_cast<int>(i) == doc.Selected() ? "* " : "  ") + row);
    }
    return lines;
}

std::string CIdentifyView::AccessibleSummary()
{
    CIdentifyDoc* doc = Doc();
    if (doc && doc->FromPlayback() && doc->Notes() == 0)
        return "From playback: no notes sounding";
    if (!doc || doc->Notes() == 0)
        return "No notes entered";
    std::size_t chords = static_cast<std::size_t>(std::count_if(
        doc->Results().begin(), doc->Results().end(), [](const IdentifyResult& r) { return r.isChord; }));
    return std::string(doc->FromPlayback() ? "From playback: notes " : "Notes ") + doc->Played().Text() + ": " +
           std::to_string(chords) + " chords, " +
           std::to_string(doc->Results().size() - chords) + " scales";
}

std::vector<std::string> CIdentifyView::AccessibleLines()
{
    CIdentifyDoc* doc = Doc();
    return doc ? TextLines(*doc) : std::vector<std::string>{};
}

void CIdentifyView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0);
    if (IFrameWindow* window = Window())
        window->ShowScrollBars(true, true);
}

// The scroll sizes follow the list; they are set here, not while painting.
void CIdentifyView::OnUpdate(CView*, int)
{
    CIdentifyDoc* doc = Doc();
    IFrameWindow* window = Window();
    if (!doc || !window)
        return;
    std::size_t columns = std::max(2 + kKindColumn + kKeyColumn + ScaleColumn(*doc) + 12, TextLines(*doc)[0].size());
    IdentifyLayout layout = Layout();
    Size size = layout.DrawingSize(static_cast<int>(doc->Results().size()), static_cast<int>(columns));
    if (size.cx != shownSize_.cx || size.cy != shownSize_.cy) {
        shownSize_ = size;
        window->SetScrollSizes(size, {layout.CharWidth(), layout.LineHeight()});
    }
    Invalidate();
}

void CIdentifyView::OnDraw(IDrawingSurface& surface)
{
    CIdentifyDoc* doc = Doc();
    if (!doc)
        return;
    IdentifyLayout layout = Layout();
    surface.FillRect(surface.ClipBox(), kWhite);
    DrawKeyboard(surface, *doc, layout);
    DrawResults(surface, *doc, layout);
}

void CIdentifyView::DrawKeyboard(IDrawingSurface& surface, const CIdentifyDoc& doc, const IdentifyLayout& layout) const
{
    // White keys first: the black keys lie over them.
    for (bool black : {false, true})
        for (int p = 0; p < 12; ++p) {
            if (IdentifyLayout::IsBlack(p) != black)
                continue;
            Rect key = layout.KeyRect(p);
            bool entered = doc.Notes() & PitchBit(p);
            surface.FillRect(key, entered ? kEntered : (black ? kBlack : kWhite));
            surface.Line(key.left, key.top, key.right, key.top, kBlack);
            surface.Line(key.left, key.bottom, key.right, key.bottom, kBlack);
            surface.Line(key.left, key.top, key.left, key.bottom, kBlack);
            surface.Line(key.right, key.top, key.right, key.bottom, kBlack);
        }
}

void CIdentifyView::DrawResults(IDrawingSurface& surface, const CIdentifyDoc& doc, const IdentifyLayout& layout) const
{
    LogFont font = doc.App().ports.fonts->FixedOemFont();
    std::vector<std::string> lines = TextLines(doc);
    int x = IdentifyLayout::kMargin;
    surface.Text(x, layout.NotesTop(), lines[0], font, kBlack, kWhite, false);
    surface.Text(x, layout.HeaderTop(), lines[1], font, kBlack, kWhite, false);
    Rect clip = surface.ClipBox();
    for (std::size_t i = 2; i < lines.size(); ++i) {
        int row = static_cast<int>(i) - 2;
        int top = layout.ResultTop(row);
        if (top + layout.LineHeight() < clip.top || top > clip.bottom)
            continue;
        bool selected = row == doc.Selected();
        if (selected)
            surface.FillRect(Rect{0, top, shownSize_.cx, top + layout.LineHeight()}, kSelectedBack);
        surface.Text(x, top, lines[i].substr(2), font, selected ? kWhite : kBlack, selected ? kSelectedBack : kWhite,
                     selected);
    }
}

void CIdentifyView::OnClick(int x, int y)
{
    CIdentifyDoc* doc = Doc();
    if (!doc)
        return;
    IdentifyLayout layout = Layout();
    if (int key = layout.KeyAt(x, y); key >= 0) {
        doc->ToggleNote(key);
        return;
    }
    int row = layout.RowAt(y, static_cast<int>(doc->Results().size()));
    if (row >= 0)
        doc->Select(row);
}

void CIdentifyView::OnDoubleClick()
{
    if (CIdentifyDoc* doc = Doc())
        doc->ShowSelected();
}

void CIdentifyView::OnKeyDown(int code)
{
    CIdentifyDoc* doc = Doc();
    if (!doc)
        return;
    int count = static_cast<int>(doc->Results().size());
    if (code == kKeyDown && count > 0)
        doc->Select(std::min(doc->Selected() + 1, count - 1));
    else if (code == kKeyUp && count > 0)
        doc->Select(std::max(doc->Selected() - 1, 0));
    else if (code == kKeyReturn)
        doc->ShowSelected();
    else
        doc->KeyDown(code);
}

void CIdentifyView::OnKeyUp(int code)
{
    if (CIdentifyDoc* doc = Doc())
        doc->KeyUp(code);
}

std::string CIdentifyView::WhatsThis() const
{
    return "Identify: click keys, type names (Notes > Type Names...), play the computer keyboard or a MIDI "
           "keyboard; the catalogue chords and scales that match are listed. Double-click one to show it in "
           "the model. While a MIDI file plays, it names the chord sounding (from playback).";
}

#include "midi/MidiView.h"

#include <algorithm>
#include <string>

#include "framework/Application.h"
#include "framework/Drawing.h"
#include "midi/MidiDoc.h"

CMidiDoc* CMidiView::Doc() const
{
    return dynamic_cast<CMidiDoc*>(GetDocument());
}

void CMidiView::OnInitialUpdate()
{
    SetScrollSizes();
    Invalidate();
}

void CMidiView::OnUpdate(CView*, int)
{
    SetScrollSizes();
    Invalidate();
}

void CMidiView::OnActivateFrame()
{
    if (CMidiDoc* doc = Doc())
        doc->BecomeCurrent();
}

void CMidiView::SetScrollSizes()
{
    CMidiDoc* doc = Doc();
    IFrameWindow* window = Window();
    if (!doc || !window)
        return;
    const MidiFile& file = doc->File();
    // Tall enough for the play list's count and, whatever the file holds,
    // for every listed line.
    int height = static_cast<int>(file.events.size() + 3 * file.trackCount()) * 16;
    height = std::max(height, static_cast<int>(doc->Listing().size()) * kLineHeight + 2 * kMargin);
    window->SetScrollSizes({1152, height}, {9, 16});
}

void CMidiView::OnDraw(IDrawingSurface& surface)
{
    CMidiDoc* doc = Doc();
    if (!doc)
        return;
    const MidiListing& lines = doc->Listing();
    LogFont font = doc->App().ports.fonts->FixedOemFont();
    Rect clip = surface.ClipBox();
    int first = std::max(0, (clip.top - kMargin) / kLineHeight);
    int last = std::min(static_cast<int>(lines.size()) - 1, (clip.bottom - kMargin) / kLineHeight + 1);
    for (int i = first; i <= last; ++i)
        surface.Text(kMargin, kMargin + kLineHeight * i, std::string(lines[static_cast<std::size_t>(i)]),
                     font, MakeColor(0, 0, 0), MakeColor(255, 255, 255), false);
}

std::optional<std::size_t> CMidiView::LineAt(int y)
{
    if (y < kMargin)
        return std::nullopt;
    return static_cast<std::size_t>((y - kMargin) / kLineHeight);
}

void CMidiView::OnDoubleClickAt(Point point)
{
    CMidiDoc* doc = Doc();
    if (const std::optional<std::size_t> line = LineAt(point.y); doc && line)
        doc->PlayFromLine(*line);
}

bool CMidiView::MakePrintJob(PrintJob& job)
{
    CMidiDoc* doc = Doc();
    if (!doc)
        return false;
    job.title = doc->GetTitle();
    job.text.clear();
    doc->Listing().ForEachLine([&job](std::string_view line) {
        job.text.append(line);
        job.text += '\n';
    });
    job.font = doc->App().ports.fonts->FixedOemFont();
    return true;
}

std::string CMidiView::AccessibleSummary()
{
    CMidiDoc* doc = Doc();
    std::size_t count = doc ? doc->Listing().size() : 0;
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

std::vector<std::string> CMidiView::AccessibleLines()
{
    std::vector<std::string> lines;
    if (CMidiDoc* doc = Doc())
        doc->Listing().ForEachLine([&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string CMidiView::WhatsThis() const
{
    return "The events of a Standard MIDI File: the header, then each track with the tick, the delta "
           "and a description of every event. Play, Stop, Rewind, Rate and Queue in the Midi menu play"
           " it; double-clicking a line plays from the bar of its event.";
}

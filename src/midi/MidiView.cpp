#include "midi/MidiView.h"

#include <algorithm>
#include <string>

#include "framework/Application.h"
#include "framework/Drawing.h"
#include "midi/MidiDoc.h"

namespace {

constexpr int kEndKey = 35;
constexpr int kHomeKey = 36;
constexpr int kListingWidth = 1152;
constexpr Color kInk = MakeColor(0, 0, 0);
constexpr Color kPaper = MakeColor(255, 255, 255);
// The line playing is marked as a list marks its selection.
constexpr Color kPlayedInk = MakeColor(255, 255, 255);
constexpr Color kPlayedBand = MakeColor(0, 0, 128);

}  // namespace

CMidiDoc* CMidiView::Doc() const
{
    return dynamic_cast<CMidiDoc*>(GetDocument());
}

void CMidiView::OnInitialUpdate()
{
    SetScrollSizes();
    Invalidate();
}

void CMidiView::OnUpdate(CView*, int hint)
{
    if (hint == CMidiDoc::kHintPlayedLine)
        KeepPlayedLineInView();
    else
        SetScrollSizes();
    Invalidate();
}

void CMidiView::OnActivateFrame()
{
    if (CMidiDoc* doc = Doc())
        doc->BecomeCurrent();
}

int CMidiView::ListingHeight() const
{
    CMidiDoc* doc = Doc();
    return (doc ? static_cast<int>(doc->Listing().size()) : 0) * kLineHeight + 2 * kMargin;
}

// Exactly as tall as the listing, so that End shows its last line at the
// bottom rather than blank space after it.
void CMidiView::SetScrollSizes()
{
    if (IFrameWindow* window = Window(); window && Doc())
        window->SetScrollSizes({kListingWidth, ListingHeight()}, {9, kLineHeight});
}

// The track of the first record line in sight.
std::optional<std::size_t> CMidiView::TrackInView() const
{
    CMidiDoc* doc = Doc();
    IFrameWindow* window = Window();
    if (!doc || !window)
        return std::nullopt;
    int x = 0, y = 0;
    window->GetScrollPosition(x, y);
    const std::size_t first = LineAt(y + kMargin).value_or(0);
    const std::size_t count = static_cast<std::size_t>(window->ClientSize().cy / kLineHeight) + 1;
    for (std::size_t line = first; line < first + count && line < doc->Listing().size(); ++line)
        if (const std::optional<ListedRecord> record = doc->Listing().RecordAt(line))
            return record->list;
    return std::nullopt;
}

std::optional<std::size_t> CMidiView::FollowedLine() const
{
    CMidiDoc* doc = Doc();
    if (!doc)
        return std::nullopt;
    std::optional<std::size_t> track = TrackInView();
    if (!track || !doc->TrackPlaying(*track))
        track = doc->LeadingTrack();
    return track ? doc->PlayedLine(*track) : std::nullopt;
}

bool CMidiView::InView(std::size_t line) const
{
    IFrameWindow* window = Window();
    if (!window)
        return false;
    int x = 0, y = 0;
    window->GetScrollPosition(x, y);
    const int top = kMargin + kLineHeight * static_cast<int>(line);
    return top >= y && top + kLineHeight <= y + window->ClientSize().cy;
}

// A followed line that moves out of sight is brought a quarter of the window
// from the top, with the music to come below it. Once the reader has
// scrolled away from it (End, to the listing's last line), the view stays
// where they put it until they bring a marked line back into sight.
void CMidiView::KeepPlayedLineInView()
{
    IFrameWindow* window = Window();
    const std::optional<std::size_t> line = FollowedLine();
    const bool following = !followed_ || InView(*followed_) || (line && InView(*line));
    followed_ = line;
    if (!window || !line || !following || InView(*line))
        return;
    int x = 0, y = 0;
    window->GetScrollPosition(x, y);
    const int top = kMargin + kLineHeight * static_cast<int>(*line);
    window->ScrollTo(x, std::max(0, top - window->ClientSize().cy / 4));
}

void CMidiView::OnKeyDown(int code)
{
    IFrameWindow* window = Window();
    if (!window || (code != kHomeKey && code != kEndKey))
        return;
    int x = 0, y = 0;
    window->GetScrollPosition(x, y);
    window->ScrollTo(x, code == kHomeKey ? 0 : ListingHeight());
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
    for (int i = first; i <= last; ++i) {
        const int top = kMargin + kLineHeight * i;
        const bool marked = doc->IsPlayedLine(static_cast<std::size_t>(i));
        if (marked)
            surface.FillRect({0, top, std::max(kListingWidth, clip.right), top + kLineHeight}, kPlayedBand);
        surface.Text(kMargin, top, std::string(lines[static_cast<std::size_t>(i)]), font,
                     marked ? kPlayedInk : kInk, marked ? kPlayedBand : kPaper, false);
    }
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

// A screen reader hears where the playback is, as the mark shows it.
std::string CMidiView::AccessibleSummary()
{
    CMidiDoc* doc = Doc();
    std::size_t count = doc ? doc->Listing().size() : 0;
    std::string summary = std::to_string(count) + (count == 1 ? " line" : " lines");
    if (const std::optional<std::size_t> played = FollowedLine())
        summary += ", line " + std::to_string(*played + 1) + " playing";
    return summary;
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

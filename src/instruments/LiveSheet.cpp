#include "instruments/LiveSheet.h"

#include <algorithm>
#include <string>

#include "framework/Drawing.h"
#include "harmony/NoteSpeller.h"
#include "instruments/InstrumBase.h"
#include "instruments/SheetClefs.h"
#include "instruments/SheetGraph.h"
#include "instruments/SheetImages.h"
#include "instruments/SheetStaff.h"
#include "instruments/StaffEngraving.h"
#include "midi/MidiTiming.h"
#include "midi/ShortMessage.h"

namespace {

// Notes stop this many columns before the staff's end.
constexpr int kPageMargin = 4;
// A measure line spans a five-line staff, and the next staff starts at
// least this many grid lines further down.
constexpr int kBarLineRows = 8;
constexpr int kBarLineSkip = 10;
// The highlight band: its width, and how far into its column its centre is.
constexpr int kBandWidth = 32;
constexpr double kBandCentre = 0.8;
// Middle C (octave 5, letter C) stands on grid line 39.
constexpr int kMiddleCLine = 39;
constexpr int kMiddleCOctave = 5;

bool IsMeasureBar(const MidiEvent& event)
{
    return event.kind == MidiKind::MeasureBar && event.data.size() == 3 && event.data[0] == 'B' &&
           event.data[1] == 'A' && event.data[2] == 'R';
}

bool OnChannel(const MidiEvent& event, int channel)
{
    return channel == -1 || (channel >= 1 && channel <= 16 && event.channel == channel - 1);
}

// The tempo in effect at record `index`, from the tempo records before it.
std::uint32_t TempoBefore(const PlayList& list, std::size_t index)
{
    std::uint32_t tempo = kDefaultTempo;
    for (std::size_t i = 0; i < index && i < list.size(); ++i)
        if (auto changed = TempoOf(list[i]))
            tempo = *changed;
    return tempo;
}

// The tempo after a page's first record, which may itself set one.
std::uint32_t PageTempo(const PlayList& list, std::size_t first)
{
    return TempoBefore(list, first + 1);
}

// Walks a page's records in time: the first record is at 0 ms, and a tempo
// record applies to its own delta.
class PageClock {
public:
    PageClock(std::uint32_t tempo, unsigned division) : tempo_(tempo), division_(division) {}

    void Pass(const PlayList& list, std::size_t index)
    {
        if (auto changed = TempoOf(list[index]))
            tempo_ = *changed;
        ms_ += TicksToMs(list.Delta(index), tempo_, division_);
    }
    std::uint64_t Ms() const { return ms_; }
    std::uint64_t MsAfter(std::uint64_t ticks) const { return ms_ + TicksToMs(ticks, tempo_, division_); }

private:
    std::uint32_t tempo_;
    unsigned division_;
    std::uint64_t ms_ = 0;
};

// A page holds at least its first record, so that pages always move on,
// even over a staff too narrow for any column of notes.
bool PastPage(int column, const LiveStaff& staff)
{
    return column >= staff.columnCount - kPageMargin;
}

int NoteImage(std::uint64_t duration, unsigned division, bool stemUp)
{
    std::uint64_t quarter = division;
    std::uint64_t slack = quarter / 8;
    if (duration + slack >= 4 * quarter)
        return kWholeImage;
    if (duration + slack >= 2 * quarter)
        return stemUp ? kHalfUpImage : kHalfDownImage;
    if (duration + slack < quarter)
        return stemUp ? kEighthUpImage : kEighthDownImage;
    return stemUp ? kQuarterUpImage : kQuarterDownImage;
}

} // namespace

int LiveColumnUnit(const PlayList& list, std::size_t first, unsigned division)
{
    PageClock clock(TempoBefore(list, first), division);
    std::uint64_t notes = 0;
    for (std::size_t i = first; i < list.size(); ++i) {
        clock.Pass(list, i);
        notes += IsSoundingNoteOn(list[i]);
    }
    std::uint64_t average = clock.Ms() / std::max<std::uint64_t>(notes, 1);
    // A list without time would never come into range: take the lowest.
    if (average == 0)
        average = 40;
    while (average >= 80)
        average /= 2;
    while (average < 40)
        average *= 2;
    return static_cast<int>((average + 64) / 2);
}

void LiveSheet::PreparePlayback(const PlayList& list, std::size_t first, unsigned division)
{
    pageStart_ = pageEnd_ = first;
    pageTempo_ = PageTempo(list, first);
    columnUnit_ = LiveColumnUnit(list, first, division);
    shownColumn_ = -1;
}

int LiveSheet::ColumnOf(std::uint64_t ms) const
{
    std::uint64_t columns = ms / static_cast<std::uint64_t>(columnUnit_);
    return static_cast<int>(std::min<std::uint64_t>(columns, 1u << 20)) + kStartColumn;
}

void LiveSheet::TurnPage(const LiveStaff& staff, std::size_t from)
{
    pageStart_ = from;
    pageTempo_ = PageTempo(staff.list, from);
    shownColumn_ = -1;
    PageClock clock(pageTempo_, staff.division);
    std::size_t i = from;
    for (; i < staff.list.size(); ++i) {
        if (i == from)
            continue;
        clock.Pass(staff.list, i);
        if (PastPage(ColumnOf(clock.Ms()), staff))
            break;
    }
    pageEnd_ = i;
}

void LiveSheet::DrawLiveNotes(IDrawingSurface& surface, const LiveStaff& staff, std::size_t from, bool restart)
{
    if (restart) {
        TurnPage(staff, from);
        return;
    }
    PageClock clock(from == pageStart_ ? pageTempo_ : PageTempo(staff.list, from), staff.division);
    AccidentalMemory accidentals(staff.layout ? staff.layout->keySignature : std::array<NoteCell, 8>{});
    for (std::size_t i = from; i < staff.list.size(); ++i) {
        const MidiEvent& event = staff.list[i];
        if (i > from)
            clock.Pass(staff.list, i);
        int column = ColumnOf(clock.Ms());
        if (i > from && PastPage(column, staff))
            break;
        if (IsMeasureBar(event)) {
            DrawBarLine(surface, staff, column);
            accidentals.NewMeasure();
        } else if (IsSoundingNoteOn(event) && OnChannel(event, staff.channel)) {
            DrawNote(surface, staff, event, column, accidentals);
        }
    }
}

// Written at its letter's step from middle C, engraved as the staff's
// notes are: stem by the middle line, ledger lines out to it, and its
// accidental when the key signature and the measure so far do not give it.
// The note's length chooses the image.
void LiveSheet::DrawNote(IDrawingSurface& surface, const LiveStaff& staff, const MidiEvent& event, int column,
                         AccidentalMemory& accidentals) const
{
    int note = event.data[0] & 0x7F;
    std::string name = staff.speller.GetName(staff.accidentals, staff.variant, note % 12);
    std::size_t letter = name.empty() ? std::string_view::npos : kLetters.find(name[0]);
    if (letter == std::string_view::npos)
        return;
    int line = kMiddleCLine + 7 * (kMiddleCOctave - note / 12) - static_cast<int>(letter);
    int firstLine = staff.layout ? staff.layout->firstLine : kPlainFirstLine;
    StaffRows rows{staff.layout && staff.layout->grand};
    int row = line - firstLine;
    int W = staff.base.logFont.width;
    int H = staff.base.logFont.height;
    int y = GridLineCentre(line, H) - staff.scrollY;
    int head = GridColumnLeft(column, W) + W / 2 - staff.scrollX;
    std::vector<int> ledgers;
    for (int ledger : rows.LedgerRows(row))
        ledgers.push_back(GridLineCentre(firstLine + ledger, H) - staff.scrollY);
    DrawLedgerLines(surface, ledgers, head, W, staff.base.foreColor);
    int image = NoteImage(event.duration, staff.division, !rows.StemDown(row));
    surface.Image(head - SheetImageAnchor(image).x, y - SheetImageAnchor(image).y, image);
    if (std::optional<int> sign = accidentals.Needed(row, name[0], AlterationOf(name)))
        DrawAccidental(surface, *sign, GridColumnLeft(column - 1, W) - staff.scrollX, y, W);
}

// A line down each staff of the grid: its top line to its bottom line.
void LiveSheet::DrawBarLine(IDrawingSurface& surface, const LiveStaff& staff, int column) const
{
    const InstrumBase& base = staff.base;
    int H = base.logFont.height;
    int x = GridColumnLeft(column, base.logFont.width) + base.logFont.width / 2 - staff.scrollX;
    int lines = std::min(kSheetLines, static_cast<int>(base.lines.size()));
    for (int i = 0; i < lines; ++i) {
        const std::string& line = base.lines[static_cast<std::size_t>(i)];
        if (line.empty() || line[0] == ' ')
            continue;
        surface.Line(x, GridLineCentre(i, H) - staff.scrollY, x, GridLineCentre(i + kBarLineRows, H) - staff.scrollY,
                     base.foreColor);
        i += kBarLineSkip - 1;
    }
}

void LiveSheet::InvertBand(IDrawingSurface& surface, const LiveStaff& staff, int column) const
{
    int W = staff.base.logFont.width;
    int centre = GridColumnLeft(column, W) + static_cast<int>(kBandCentre * W) - staff.scrollX;
    Rect band{centre - kBandWidth / 2, 1 - staff.scrollY, centre + kBandWidth / 2,
              kSheetLines * staff.base.logFont.height - 1 - staff.scrollY};
    Rect clip = surface.ClipBox();
    band.left = std::max(band.left, clip.left);
    band.top = std::max(band.top, clip.top);
    band.right = std::min(band.right, clip.right);
    band.bottom = std::min(band.bottom, clip.bottom);
    if (band.left < band.right && band.top < band.bottom)
        surface.InvertRect(band);
}

int LiveSheet::HighlightColumn(const LiveStaff& staff, std::uint64_t ticks) const
{
    PageClock clock(pageTempo_, staff.division);
    std::uint64_t passed = staff.list[pageStart_].time;
    for (std::size_t i = pageStart_ + 1; i < staff.list.size() && staff.list[i].time <= ticks; ++i) {
        clock.Pass(staff.list, i);
        passed = staff.list[i].time;
    }
    return ColumnOf(clock.MsAfter(ticks > passed ? ticks - passed : 0));
}

bool LiveSheet::MoveHighlight(const LiveStaff& staff, std::uint64_t ticks)
{
    if (!staff.highlight || pageStart_ >= staff.list.size())
        return false;
    int column = HighlightColumn(staff, ticks);
    if (column == shownColumn_)
        return false;
    shownColumn_ = column;
    return true;
}

void LiveSheet::PaintHighlight(IDrawingSurface& surface, const LiveStaff& staff) const
{
    if (staff.highlight && shownColumn_ >= 0)
        InvertBand(surface, staff, shownColumn_);
}

// Exactly one band shows: the previous one is inverted back first.
void LiveSheet::HighlightPosition(IDrawingSurface& surface, const LiveStaff& staff, std::uint64_t ticks)
{
    if (!staff.highlight || pageStart_ >= staff.list.size())
        return;
    int column = HighlightColumn(staff, ticks);
    if (column == shownColumn_)
        return;
    if (shownColumn_ >= 0)
        InvertBand(surface, staff, shownColumn_);
    InvertBand(surface, staff, column);
    shownColumn_ = column;
}

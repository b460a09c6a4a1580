#include "InstrumentFixture.h"

#include <set>

#include "../midi/SmfBuilder.h"
#include "RecordingSurface.h"
#include "instruments/LiveSheet.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetGraph.h"
#include "instruments/SheetImages.h"
#include "instruments/SheetInstrument.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"

namespace {

struct PlayedNote {
    std::uint8_t note;
    std::uint32_t length;  // ticks
    std::uint8_t channel = 0;
};

// One track of notes one after the other, the first at tick 0.
MidiFile Melody(int division, const std::vector<PlayedNote>& notes)
{
    TrackBody body;
    for (const PlayedNote& n : notes) {
        auto on = static_cast<std::uint8_t>(0x90 | n.channel);
        body.Event(0, {on, n.note, 100}).Event(n.length, {on, n.note, 0});
    }
    static const MidiPlayer player;
    return LoadMidiFile(Smf(0, division, {body.End()}), player);
}

// A play list made by hand: records with the given deltas.
struct ListBuilder {
    ListBuilder() = default;
    ListBuilder(ListBuilder&&) = default;
    ListBuilder& Note(std::uint64_t delta, std::uint8_t note = 60, std::uint64_t duration = 96,
                      std::uint8_t velocity = 100)
    {
        return Add(delta, MidiKind::NoteOn, {note, velocity}, duration);
    }
    ListBuilder& Tempo(std::uint64_t delta, std::uint32_t tempo)
    {
        return Add(delta, MidiKind::SetTempo,
                   {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                    static_cast<std::uint8_t>(tempo)});
    }
    ListBuilder& Bar(std::uint64_t delta) { return Add(delta, MidiKind::MeasureBar, {'B', 'A', 'R'}); }
    ListBuilder& Add(std::uint64_t delta, int kind, MidiBytes data, std::uint64_t duration = 0)
    {
        MidiEvent event;
        event.kind = static_cast<std::uint8_t>(kind);
        event.data = std::move(data);
        time += delta;
        event.time = time;
        event.duration = static_cast<std::uint32_t>(duration);
        list.push_back(std::move(event));
        played = PlayList::InOrder(list);
        return *this;
    }
    MidiEventList list;
    PlayList played;  // the list, in its order
    std::uint64_t time = 0;
};

// Measure lines, without the ledger lines of the notes.
std::vector<DrawnLine> VerticalLines(const RecordingSurface& surface)
{
    std::vector<DrawnLine> vertical;
    for (const DrawnLine& line : surface.lines)
        if (line.x1 == line.x2)
            vertical.push_back(line);
    return vertical;
}

ListBuilder QuarterList(int count, std::uint64_t delta = 96)
{
    ListBuilder builder;
    for (int i = 0; i < count; ++i)
        builder.Note(delta);
    return builder;
}

std::vector<PlayedNote> Quarters(int count, int division)
{
    return std::vector<PlayedNote>(static_cast<std::size_t>(count),
                                   PlayedNote{60, static_cast<std::uint32_t>(division)});
}

class LiveSheetTest : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        sheet.SetDefaults("G");
        sheet.playbackActive = true;
        base.logFont.height = H;
        base.logFont.width = W;
        model.liveFlag = 1;
        layout = BuildSheetLines(sheet, model, speller, base);
    }

    LiveStaff Staff(const MidiFile& file, int channel = -1) const { return Staff(file.playList, file.division, channel); }
    LiveStaff Staff(const PlayList& list, unsigned division, int channel = -1) const
    {
        return {list, division, layout.columnCount, base, channel, speller, 0, 0, 0, 0, true};
    }

    static constexpr int H = 6;
    static constexpr int W = 8;
    SheetInstrument sheet;
    StaffLayout layout;
    LiveSheet live;
    RecordingSurface surface;
};

} // namespace

TEST(LiveColumnUnit, AverageTimePerNoteBroughtIntoRange)
{
    // Quarters at 500 ms: halved to 62, unit (62 + 64) / 2.
    EXPECT_EQ(LiveColumnUnit(QuarterList(8).played, 0, 96), 63);
    // 18 ticks at 120 per quarter: 75 ms, already in range.
    EXPECT_EQ(LiveColumnUnit(QuarterList(10, 18).played, 0, 120), (75 + 64) / 2);
    // 2 ms notes are doubled up to 64.
    EXPECT_EQ(LiveColumnUnit(QuarterList(10, 1).played, 0, 250), 64);
    // Silent note-ons do not count as notes.
    ListBuilder withSilent = QuarterList(8);
    for (int i = 0; i < 8; ++i)
        withSilent.Note(0, 60, 0, 0);
    EXPECT_EQ(LiveColumnUnit(withSilent.played, 0, 96), 63);
}

TEST(LiveColumnUnit, ListWithoutTimeGetsTheLowestUnit)
{
    EXPECT_EQ(LiveColumnUnit(QuarterList(4, 0).played, 0, 96), 52);
    EXPECT_EQ(LiveColumnUnit(PlayList(), 0, 96), 52);
}

TEST_F(LiveSheetTest, PagesTurnWhenTheNotesReachTheStaffsEnd)
{
    const ListBuilder quarters = QuarterList(40);
    const PlayList& list = quarters.played;
    live.PreparePlayback(list, 0, 96);
    ASSERT_EQ(live.ColumnUnit(), 63);
    LiveStaff staff = Staff(list, 96);
    // Column 122 (four short of the 126) is reached at 107 x 63 = 6741 ms:
    // the 15th note, 7000 ms after the page's first, starts the next page.
    live.DrawLiveNotes(surface, staff, 0, true);
    EXPECT_TRUE(surface.images.empty());
    EXPECT_EQ(live.PageStart(), 0u);
    EXPECT_EQ(live.PageEnd(), 14u);
    live.DrawLiveNotes(surface, staff, live.PageEnd(), true);
    EXPECT_EQ(live.PageStart(), 14u);
    EXPECT_EQ(live.PageEnd(), 28u);
    live.DrawLiveNotes(surface, staff, live.PageEnd(), true);
    EXPECT_EQ(live.PageEnd(), 40u);
}

TEST_F(LiveSheetTest, PageEndsFourColumnsShortOfTheStaffsEnd)
{
    // A tick a millisecond, a note every 63: a column per note.
    ListBuilder builder;
    builder.Tempo(0, 96000);
    for (int i = 0; i < 150; ++i)
        builder.Note(63);
    live.PreparePlayback(builder.played, 0, 96);
    ASSERT_EQ(live.ColumnUnit(), 63);
    live.DrawLiveNotes(surface, Staff(builder.played, 96), 0, true);
    EXPECT_EQ(live.PageEnd(), static_cast<std::size_t>(layout.columnCount - 4 - 15));
    live.DrawLiveNotes(surface, Staff(builder.played, 96), 0, false);
    std::vector<DrawnImage> notes = surface.ImagesWithId(kQuarterUpImage);
    ASSERT_EQ(notes.size(), 106u);
    EXPECT_EQ(notes.back().x, 4 + 121 * W + W / 2 - 6);
}

TEST_F(LiveSheetTest, PagesMoveOnOverAStaffWithoutNoteColumns)
{
    const ListBuilder quarters = QuarterList(5);
    const PlayList& list = quarters.played;
    live.PreparePlayback(list, 0, 96);
    LiveStaff staff = Staff(list, 96);
    staff.columnCount = 7;  // a model without labels: bars and a fill column only
    live.DrawLiveNotes(surface, staff, 0, true);
    EXPECT_EQ(live.PageEnd(), 1u);
    live.DrawLiveNotes(surface, staff, live.PageEnd(), true);
    EXPECT_EQ(live.PageStart(), 1u);
    EXPECT_EQ(live.PageEnd(), 2u);
}

TEST_F(LiveSheetTest, TempoRecordsSpeedTheColumnsUp)
{
    ListBuilder slow;
    slow.Tempo(0, 1000000);
    for (int i = 0; i < 20; ++i)
        slow.Note(96);
    live.PreparePlayback(slow.played, 0, 96);
    ASSERT_EQ(live.ColumnUnit(), 63);
    live.DrawLiveNotes(surface, Staff(slow.played, 96), 0, true);
    // A second per quarter: the note 7000 ms on is the seventh.
    EXPECT_EQ(live.PageEnd(), 7u);
}

TEST_F(LiveSheetTest, EveryNoteOfAGeneratedFileIsDrawnOnExactlyOnePage)
{
    MidiFile file = Melody(96, Quarters(40, 96));
    live.PreparePlayback(file.playList, 0, file.division);
    LiveStaff staff = Staff(file);
    std::size_t drawn = 0;
    int pages = 0;
    live.DrawLiveNotes(surface, staff, 0, true);
    while (pages < 20) {
        surface = RecordingSurface();
        live.DrawLiveNotes(surface, staff, live.PageStart(), false);
        drawn += surface.ImagesWithId(kQuarterUpImage).size();
        ++pages;
        if (live.PageEnd() >= file.playList.size())
            break;
        std::size_t before = live.PageStart();
        live.DrawLiveNotes(surface, staff, live.PageEnd(), true);
        ASSERT_GT(live.PageStart(), before);
    }
    EXPECT_EQ(drawn, 40u);
    EXPECT_EQ(pages, 3);
}

TEST_F(LiveSheetTest, NotesStandAtTheirColumnsAndLetters)
{
    MidiFile file = Melody(96, {{60, 96}, {62, 96}, {73, 96}});
    live.PreparePlayback(file.playList, 0, file.division);
    live.DrawLiveNotes(surface, Staff(file), 0, false);
    std::vector<DrawnImage> notes = surface.ImagesWithId(kQuarterUpImage);
    ASSERT_EQ(notes.size(), 2u);
    int unit = live.ColumnUnit();
    int middleC = GridLineCentre(39, H) - 24;
    EXPECT_EQ(notes[0], (DrawnImage{4 + 15 * W + W / 2 - 6, middleC, kQuarterUpImage}));
    int second = 15 + 500 / unit;
    EXPECT_EQ(notes[1], (DrawnImage{4 + second * W + W / 2 - 6, middleC - H, kQuarterUpImage}));
    // C# above middle C's octave: the C line an octave up, on the third
    // space, its stem down, with a sharp.
    int third = 15 + 1000 / unit;
    std::vector<DrawnImage> down = surface.ImagesWithId(kQuarterDownImage);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].y, GridLineCentre(39 - 7, H) - 8);
    std::vector<DrawnImage> sharps = surface.ImagesWithId(kSharpImage);
    ASSERT_EQ(sharps.size(), 1u);
    EXPECT_EQ(sharps[0].x, 4 + (third - 1) * W);
}

// Engraving on the live staff: a stem by the middle line, a ledger line
// for middle C, and an accidental that holds until the bar line.
TEST_F(LiveSheetTest, PlayedNotesAreEngravedAsInPrint)
{
    // B4, the middle line: stem down; A4 just below it: stem up.
    ListBuilder stems;
    stems.Note(0, 71).Note(96, 69);
    live.PreparePlayback(stems.played, 0, 96);
    live.DrawLiveNotes(surface, Staff(stems.played, 96), 0, false);
    ASSERT_EQ(surface.images.size(), 2u);
    EXPECT_EQ(surface.images[0].id, kQuarterDownImage);
    EXPECT_EQ(surface.images[1].id, kQuarterUpImage);
    EXPECT_TRUE(surface.lines.empty()) << "no ledger line inside the staff";

    // Middle C: one ledger line through its head; A3 below it: two.
    surface = RecordingSurface();
    ListBuilder low;
    low.Note(0, 60).Note(96, 57);
    live.PreparePlayback(low.played, 0, 96);
    live.DrawLiveNotes(surface, Staff(low.played, 96), 0, false);
    ASSERT_EQ(surface.lines.size(), 3u);
    EXPECT_EQ(surface.lines[0].y1, GridLineCentre(39, H));
    EXPECT_EQ(surface.lines[0].y1, surface.lines[0].y2);
    EXPECT_EQ(surface.lines[1].y1, GridLineCentre(39, H)) << "every ledger line out to A3";
    EXPECT_EQ(surface.lines[2].y1, GridLineCentre(41, H));

    // C#5 then C5 in one measure: the C is cancelled with a natural; after
    // the bar line C# needs its sharp again.
    surface = RecordingSurface();
    ListBuilder builder;
    builder.Note(0, 73).Note(96, 72).Note(96, 73).Bar(96).Note(0, 73);
    live.PreparePlayback(builder.played, 0, 96);
    live.DrawLiveNotes(surface, Staff(builder.played, 96), 0, false);
    EXPECT_EQ(surface.ImagesWithId(kNaturalImage).size(), 1u);
    EXPECT_EQ(surface.ImagesWithId(kSharpImage).size(), 3u);
}

// The key signature of the page gives its notes' accidentals: in D major
// F# and C# need none, F needs a natural.
TEST_F(LiveSheetTest, TheKeySignatureGivesItsAccidentals)
{
    ShowScale("D", "major");
    layout = BuildSheetLines(sheet, model, speller, base);
    ListBuilder builder;
    builder.Note(0, 66).Note(96, 73).Note(96, 65);
    live.PreparePlayback(builder.played, 0, 96);
    LiveStaff staff = Staff(builder.played, 96);
    staff.layout = &layout;
    live.DrawLiveNotes(surface, staff, 0, false);
    EXPECT_TRUE(surface.ImagesWithId(kSharpImage).empty());
    EXPECT_EQ(surface.ImagesWithId(kNaturalImage).size(), 1u);
}

TEST_F(LiveSheetTest, NoteImagesByLengthAndHeight)
{
    MidiFile file = Melody(96, {{60, 384}, {60, 192}, {60, 48}, {84, 96}, {84, 192}, {84, 40}, {60, 85}});
    live.PreparePlayback(file.playList, 0, file.division);
    live.DrawLiveNotes(surface, Staff(file), 0, false);
    std::vector<int> ids;
    for (const DrawnImage& image : surface.images)
        ids.push_back(image.id);
    EXPECT_EQ(ids, (std::vector<int>{kWholeImage, kHalfUpImage, kEighthUpImage, kQuarterDownImage, kHalfDownImage,
                                     kEighthDownImage, kQuarterUpImage}));
}

TEST_F(LiveSheetTest, OnlyTheChosenChannelsNotes)
{
    MidiFile file = Melody(96, {{60, 96, 0}, {62, 96, 1}, {64, 96, 1}});
    live.PreparePlayback(file.playList, 0, file.division);
    live.DrawLiveNotes(surface, Staff(file, 2), 0, false);
    EXPECT_EQ(surface.images.size(), 2u);
    surface = RecordingSurface();
    live.DrawLiveNotes(surface, Staff(file, 0), 0, false);
    EXPECT_TRUE(surface.images.empty());
}

TEST_F(LiveSheetTest, MeasureLinesDownTheStaff)
{
    ListBuilder builder = QuarterList(4);
    builder.Bar(0).Note(96);
    live.PreparePlayback(builder.played, 0, 96);
    live.DrawLiveNotes(surface, Staff(builder.played, 96), 0, false);
    std::vector<DrawnLine> bars = VerticalLines(surface);
    ASSERT_EQ(bars.size(), 1u);
    int column = 15 + 1500 / live.ColumnUnit();
    EXPECT_EQ(bars[0], (DrawnLine{4 + column * W + W / 2, GridLineCentre(29, H), 4 + column * W + W / 2,
                                  GridLineCentre(37, H)}));
}

TEST_F(LiveSheetTest, GeneratedFilesMeasureMarkersDrawLines)
{
    MidiFile file = Melody(96, Quarters(12, 96));
    live.PreparePlayback(file.playList, 0, file.division);
    live.DrawLiveNotes(surface, Staff(file), 0, false);
    EXPECT_EQ(VerticalLines(surface).size(), 2u);
}

TEST_F(LiveSheetTest, GrandStaffMeasureLinesCrossBothStaves)
{
    sheet.clefCode = 'P';
    layout = BuildSheetLines(sheet, model, speller, base);
    MidiFile file = Melody(96, Quarters(8, 96));
    live.PreparePlayback(file.playList, 0, file.division);
    live.DrawBarLine(surface, Staff(file), 40);
    ASSERT_EQ(surface.lines.size(), 2u);
    EXPECT_EQ(surface.lines[0].y1, GridLineCentre(29, H));
    EXPECT_EQ(surface.lines[1].y1, GridLineCentre(41, H));
}

TEST_F(LiveSheetTest, HighlightShowsExactlyOneBand)
{
    MidiFile file = Melody(96, Quarters(8, 96));
    live.PreparePlayback(file.playList, 0, file.division);
    LiveStaff staff = Staff(file);
    live.HighlightPosition(surface, staff, 0);
    ASSERT_EQ(surface.inverted.size(), 1u);
    int centre = 4 + 15 * W + static_cast<int>(0.8 * W);
    EXPECT_EQ(surface.inverted[0], (Rect{centre - 16, 1, centre + 16, 75 * H - 1}));
    live.HighlightPosition(surface, staff, 10);
    EXPECT_EQ(surface.inverted.size(), 1u) << "same column: nothing to move";
    live.HighlightPosition(surface, staff, 96);
    ASSERT_EQ(surface.inverted.size(), 3u);
    EXPECT_EQ(surface.inverted[1], surface.inverted[0]);
    EXPECT_EQ(live.HighlightedColumn(), 15 + 500 / live.ColumnUnit());

    staff.highlight = false;
    live.HighlightPosition(surface, staff, 300);
    EXPECT_EQ(surface.inverted.size(), 3u);
}

TEST_F(LiveSheetTest, HighlightBandIsClippedToTheWindow)
{
    MidiFile file = Melody(96, Quarters(8, 96));
    live.PreparePlayback(file.playList, 0, file.division);
    surface.clip = {0, 100, 2000, 200};
    live.HighlightPosition(surface, Staff(file), 0);
    ASSERT_EQ(surface.inverted.size(), 1u);
    EXPECT_EQ(surface.inverted[0].top, 100);
    EXPECT_EQ(surface.inverted[0].bottom, 200);
}

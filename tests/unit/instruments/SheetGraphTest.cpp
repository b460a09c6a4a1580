#include "InstrumentFixture.h"

#include <set>

#include "RecordingSurface.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetGraph.h"
#include "instruments/SheetImages.h"
#include "instruments/SheetInstrument.h"

namespace {

class SheetGraph : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        sheet.SetDefaults("G");
        base.logFont.height = H;
        base.logFont.width = W;
    }

    PixelSize Paint()
    {
        surface = RecordingSurface();
        return DrawSheetGraph(surface, sheet, model, speller, base, &layout);
    }

    // Where an image anchored on block row `row` is drawn.
    int YOf(int row, int id) const { return GridLineCentre(layout.firstLine + row, H) - SheetImageAnchor(id).y; }

    static constexpr int H = 6;
    static constexpr int W = 8;
    SheetInstrument sheet;
    StaffLayout layout;
    RecordingSurface surface;
};

} // namespace

TEST_F(SheetGraph, TextStaffUnderTheClefImage)
{
    PixelSize size = Paint();
    ASSERT_EQ(surface.fills.size(), 1u);
    EXPECT_EQ(surface.texts.size(), 23u);
    EXPECT_EQ(surface.texts[0].y, 4 + 22 * H);
    EXPECT_FALSE(surface.texts[0].opaque);
    ASSERT_EQ(surface.images.size(), 1u);
    EXPECT_EQ(surface.images[0], (DrawnImage{4, YOf(13, kTrebleClefImage), kTrebleClefImage}));
    EXPECT_EQ(size, (PixelSize{W * 127, H * 76}));
}

TEST_F(SheetGraph, ClefImagesByLetter)
{
    sheet.clefCode = 'T';
    Paint();
    EXPECT_EQ(surface.images.at(0), (DrawnImage{4, YOf(9, kAltoClefImage), kAltoClefImage}));
    sheet.clefCode = 'P';
    Paint();
    EXPECT_EQ(surface.images.at(0), (DrawnImage{4, YOf(13, kTrebleClefImage), kTrebleClefImage}));
    EXPECT_EQ(surface.images.at(1), (DrawnImage{4, YOf(21, kBassClefImage), kBassClefImage}));
    sheet.clefCode = '?';
    Paint();
    EXPECT_TRUE(surface.images.empty());
}

// Signature signs stand a column and two pixels apart, so that flats (as
// wide as a column) keep clear of each other.
TEST_F(SheetGraph, SignatureImagesStandClearOfEachOther)
{
    ShowScale("Bb", "major");
    sheet.clefCode = 'P';
    Paint();
    std::vector<DrawnImage> flats = surface.ImagesWithId(kFlatImage);
    ASSERT_EQ(flats.size(), 4u);
    EXPECT_EQ(flats[0], (DrawnImage{4 + 5 * W, YOf(11, kFlatImage), kFlatImage}));
    EXPECT_EQ(flats[1], (DrawnImage{4 + 5 * W, YOf(25, kFlatImage), kFlatImage}));
    EXPECT_EQ(flats[2], (DrawnImage{4 + 6 * W + 2, YOf(8, kFlatImage), kFlatImage}));
    const InstrumentImage* flat = FindInstrumentImage(kFlatImage);
    ASSERT_NE(flat, nullptr);
    EXPECT_LT(flats[0].x + flat->width, flats[2].x) << "a gap between neighbours";

    // Seven sharps still end before the first note column.
    ShowScale("C#", "major");
    sheet.clefCode = 'G';
    base.notation = 'p';
    Paint();
    std::vector<DrawnImage> sharps = surface.ImagesWithId(kSharpImage);
    ASSERT_EQ(sharps.size(), 7u);
    EXPECT_LE(sharps.back().x + FindInstrumentImage(kSharpImage)->width, 4 + layout.notes.at(0).start * W);
}

TEST_F(SheetGraph, LabelsStayTextOutsideThePositionsNotation)
{
    ShowScale("A", "major");
    Paint();
    EXPECT_EQ(surface.ImagesWithId(kSharpImage).size(), 3u);
    EXPECT_TRUE(surface.ImagesWithId(kQuarterUpImage).empty());
    EXPECT_TRUE(surface.ImagesWithId(kQuarterDownImage).empty());
}

TEST_F(SheetGraph, PositionsNotationDrawsNoteImages)
{
    ShowScale("D", "major");
    base.notation = 'p';
    Paint();
    // The first note column (D, the tonic) starts after two signature signs
    // and the fill columns: its "*" stands in column 10, on row 9 (the
    // fourth line, above the middle one): stem down.
    const NoteColumn& first = layout.notes.at(0);
    EXPECT_EQ(first.start, 9);
    std::vector<DrawnImage> down = surface.ImagesWithId(kQuarterDownImage);
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(down[0], (DrawnImage{4 + 10 * W + W / 2 - 6, YOf(9, kQuarterDownImage), kQuarterDownImage}));
    // The key signature gives F# and C#: no note of the scale needs a sign
    // beyond the two of the signature.
    EXPECT_EQ(surface.ImagesWithId(kSharpImage).size(), 2u);
    EXPECT_TRUE(surface.ImagesWithId(kNaturalImage).empty());
    // Stems down on and above the middle line (row 11), up below it.
    for (const DrawnImage& note : down)
        EXPECT_LE(note.y, YOf(11, kQuarterDownImage));
    for (const DrawnImage& note : surface.ImagesWithId(kQuarterUpImage))
        EXPECT_GT(note.y, YOf(11, kQuarterUpImage));
}

// A note off the signature gets its sign: the signature of C dominant
// bebop (C D E F G A Bb B) holds Bb, so the B after Bb is cancelled with a
// natural and Bb itself needs no flat of its own.
TEST_F(SheetGraph, NaturalAfterAnAlteredNoteOfTheSameLetter)
{
    ShowScale("C", "dominant bebop");
    base.notation = 'p';
    Paint();
    ASSERT_EQ(layout.signature.size(), 1u);
    std::vector<DrawnImage> naturals = surface.ImagesWithId(kNaturalImage);
    ASSERT_FALSE(naturals.empty());
    // B follows Bb: its natural stands in the column before B's "*".
    const NoteColumn& b = layout.notes.at(7);
    EXPECT_EQ(naturals[0].x, 4 + b.start * W);
    EXPECT_EQ(surface.ImagesWithId(kFlatImage).size(), 1u) << "the signature's only";
}

// Notes outside the five lines stand on ledger lines, every one between
// the staff and the note: the C above the treble staff's top line takes
// two.
TEST_F(SheetGraph, LedgerLinesOutToTheNote)
{
    sheet.showNotes = 'e';
    base.notation = 'p';
    Paint();
    std::set<int> ledgerRows;
    for (const DrawnLine& line : surface.lines) {
        EXPECT_EQ(line.y1, line.y2) << "ledger lines are level";
        EXPECT_EQ(line.x2 - line.x1, 2 * W);
        for (int row = 0; row < layout.rows; ++row)
            if (line.y1 == GridLineCentre(layout.firstLine + row, H))
                ledgerRows.insert(row);
    }
    // Row 3 (high C) and row 17 (middle C) and row 21 (A below it).
    EXPECT_EQ(ledgerRows, (std::set<int>{1, 3, 5, 17, 19, 21}));
}

#include "InstrumentFixture.h"

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

TEST_F(SheetGraph, SignatureImagesOneColumnApart)
{
    ShowScale("Bb", "major");
    sheet.clefCode = 'P';
    Paint();
    std::vector<DrawnImage> flats = surface.ImagesWithId(kFlatImage);
    ASSERT_EQ(flats.size(), 4u);
    EXPECT_EQ(flats[0], (DrawnImage{4 + 5 * W, YOf(11, kFlatImage), kFlatImage}));
    EXPECT_EQ(flats[1], (DrawnImage{4 + 5 * W, YOf(25, kFlatImage), kFlatImage}));
    EXPECT_EQ(flats[2], (DrawnImage{4 + 6 * W, YOf(8, kFlatImage), kFlatImage}));
}

TEST_F(SheetGraph, LabelsStayTextOutsideThePositionsNotation)
{
    ShowScale("A", "major");
    Paint();
    EXPECT_EQ(surface.ImagesWithId(kSharpImage).size(), 3u);
    EXPECT_TRUE(surface.ImagesWithId(kQuarterUpImage).empty());
    EXPECT_TRUE(surface.ImagesWithId(kQuarterDownImage).empty());
}

TEST_F(SheetGraph, PositionsNotationDrawsNoteImagesWithAccidentals)
{
    ShowScale("D", "major");
    base.notation = 'p';
    Paint();
    // The first note column (D, the tonic) starts after two signature signs
    // and the fill columns: its "*" stands in column 10, on row 9.
    const NoteColumn& first = layout.notes.at(0);
    EXPECT_EQ(first.start, 9);
    std::vector<DrawnImage> up = surface.ImagesWithId(kQuarterUpImage);
    ASSERT_FALSE(up.empty());
    EXPECT_EQ(up[0], (DrawnImage{4 + 10 * W + W / 2 - 6, YOf(9, kQuarterUpImage), kQuarterUpImage}));
    // F# is the third note: a sharp in the column before its "*".
    const NoteColumn& third = layout.notes.at(2);
    std::vector<DrawnImage> sharps = surface.ImagesWithId(kSharpImage);
    bool found = false;
    for (const DrawnImage& sharp : sharps)
        found = found || sharp.x == 4 + third.start * W;
    EXPECT_TRUE(found);
    // High notes (rows above 5) have their stems down.
    EXPECT_FALSE(surface.ImagesWithId(kQuarterDownImage).empty());
    for (const DrawnImage& note : surface.ImagesWithId(kQuarterDownImage))
        EXPECT_LT(note.y, YOf(5, kQuarterDownImage));
}

TEST_F(SheetGraph, NaturalAfterAnAlteredNoteOfTheSameLetter)
{
    ShowScale("C", "dominant bebop");  // C D E F G A Bb B
    base.notation = 'p';
    Paint();
    std::vector<DrawnImage> naturals = surface.ImagesWithId(kNaturalImage);
    ASSERT_FALSE(naturals.empty());
    // B follows Bb: its natural stands in the column before B's "*".
    const NoteColumn& b = layout.notes.at(7);
    EXPECT_EQ(naturals[0].x, 4 + b.start * W);
}

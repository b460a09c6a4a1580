#include "InstrumentFixture.h"

#include "RecordingSurface.h"
#include "instruments/KeyboardGraph.h"
#include "instruments/KeyboardInstrument.h"

namespace {

class KeyboardGraph : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        keyboard.SetDefaults("13 C 5 G 0 0");
        base.logFont.height = 12;
        base.logFont.width = 8;
    }

    PixelSize Paint()
    {
        surface = RecordingSurface();
        sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, marks);
        return PaintKeyboardGraph(surface, keyboard, speller, &sources, base);
    }

    const DrawnText* TextOf(const std::string& text) const
    {
        for (const DrawnText& drawn : surface.texts)
            if (drawn.text == text)
                return &drawn;
        return nullptr;
    }

    KeyboardInstrument keyboard;
    NoteSources sources;
    RecordingSurface surface;
};

} // namespace

TEST_F(KeyboardGraph, KeysOverlapByTheirImagesOverlaps)
{
    PixelSize size = Paint();
    std::vector<DrawnImage> expected = {{0, 0, 142},   {18, 0, 144},  {28, 0, 145},  {50, 0, 146}, {56, 0, 147},
                                        {84, 0, 148},  {100, 0, 149}, {112, 0, 150}, {132, 0, 151}, {140, 0, 152},
                                        {164, 0, 153}, {168, 0, 154}, {196, 0, 142}};
    EXPECT_EQ(surface.images, expected);
    EXPECT_EQ(size, (PixelSize{225, 152}));
}

TEST_F(KeyboardGraph, VerticalKeyboardUsesTheTurnedImages)
{
    keyboard.orientation = 'd';
    keyboard.keyCount = 3;
    PixelSize size = Paint();
    EXPECT_EQ(surface.images, (std::vector<DrawnImage>{{0, 0, 188}, {0, 18, 189}, {0, 28, 190}}));
    EXPECT_EQ(size, (PixelSize{152, 57}));
}

TEST_F(KeyboardGraph, WhiteKeyLabelsAreCentredLow)
{
    Paint();
    const DrawnText* c = TextOf("C");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x, 0 + 14 - 4);
    EXPECT_EQ(c->y, 112 - 6);
    EXPECT_TRUE(c->opaque);
    EXPECT_EQ(c->fore, base.foreColor);
}

TEST_F(KeyboardGraph, BlackKeyLabelsStackFromTheTopDownInvertedUnlessOpaque)
{
    ShowScale("F#", "major");
    keyboard.topKey = 'c';
    Paint();
    // C# (image at 18): "C" on top, "#" a line below it at 38 + 2 x 12 / 2.
    const DrawnText* letter = TextOf("C");
    const DrawnText* sharp = TextOf("#");
    ASSERT_NE(letter, nullptr);
    ASSERT_NE(sharp, nullptr);
    EXPECT_EQ(letter->x, 18 + 8 - 4);
    EXPECT_EQ(letter->y, 38);
    EXPECT_EQ(sharp->y, 38 + 12);
    EXPECT_EQ(letter->fore, base.backColor);
    EXPECT_EQ(letter->back, base.foreColor);

    keyboard.topKey = 'o';
    Paint();
    EXPECT_EQ(TextOf("C")->fore, base.foreColor);
    keyboard.topKey = 't';
    Paint();
    EXPECT_FALSE(TextOf("C")->opaque);
}

// The graph view lays its keys out as the text view does: Piano-88 starts
// on A at the left edge and ends on C, and the live marks of MIDI notes 21
// and 108 land on its first and last keys.
TEST_F(KeyboardGraph, GraphKeyboardStartsWhereTheTextViewStarts)
{
    keyboard.SetDefaults("88 A 1 G 0 0");
    PixelSize size = Paint();
    ASSERT_EQ(surface.images.size(), 88u);
    EXPECT_EQ(surface.images.front(), (DrawnImage{0, 0, 152})) << "an A at the edge";
    EXPECT_EQ(surface.images[1].id, 153);
    EXPECT_EQ(surface.images.back().id, 142) << "the last key is a C";
    EXPECT_EQ(size.width, surface.images.back().x + 29);
    ASSERT_NE(TextOf("A"), nullptr);
    EXPECT_EQ(TextOf("A")->x, 0 + 14 - 4) << "the first key carries its own label";

    model.liveFlag = 1;
    marks[21].Set("A");
    marks[108].Set("C");
    Paint();
    ASSERT_EQ(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[0].x, surface.images.front().x + 14 - 4);
    EXPECT_EQ(surface.texts[1].x, surface.images.back().x + 14 - 4);

    // A keyboard that moves with the tonic starts a semitone below D.
    model.liveFlag = 0;
    ShowScale("D", "major");
    keyboard.SetDefaults("13 F 5 G 0 0");
    keyboard.position = 'm';
    Paint();
    EXPECT_EQ(surface.images.front(), (DrawnImage{0, 0, 144}));
    ASSERT_NE(TextOf("D"), nullptr);
    EXPECT_EQ(TextOf("D")->x, surface.images[1].x + 14 - 4);
}

TEST_F(KeyboardGraph, VerticalLabelsStandAcrossTheKeys)
{
    ShowScale("C#", "major");
    keyboard.orientation = 'd';
    keyboard.keyCount = 2;
    Paint();
    const DrawnText* white = TextOf("B#");  // C is spelled B# in C# major
    const DrawnText* black = TextOf("C#");
    ASSERT_NE(white, nullptr);
    ASSERT_NE(black, nullptr);
    EXPECT_EQ(white->x, 142 - 112 - 4);
    EXPECT_EQ(white->y, 0 + 14 - 6);
    EXPECT_EQ(black->x, 142 - 38);
    EXPECT_EQ(black->y, 18 + 8 - 6);
}

TEST_F(KeyboardGraph, NoModelNoLabels)
{
    PaintKeyboardGraph(surface, keyboard, speller, nullptr, base);
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_EQ(surface.images.size(), 13u);
}

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
        sources = GatherNoteSources(model, base.notation, base.chordset, marks);
        return PaintKeyboardGraph(surface, keyboard, &sources, base);
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

TEST_F(KeyboardGraph, BlackKeyLabelsStackUpwardsInvertedUnlessOpaque)
{
    ShowScale("F#", "major");
    keyboard.topKey = 'c';
    Paint();
    // C# (image at 18): "C" lowest at 38 + 2 x 12 / 2, "#" a line above.
    const DrawnText* letter = TextOf("C");
    const DrawnText* sharp = TextOf("#");
    ASSERT_NE(letter, nullptr);
    ASSERT_NE(sharp, nullptr);
    EXPECT_EQ(letter->x, 18 + 8 - 4);
    EXPECT_EQ(letter->y, 38 + 12);
    EXPECT_EQ(sharp->y, 38);
    EXPECT_EQ(letter->fore, base.backColor);
    EXPECT_EQ(letter->back, base.foreColor);

    keyboard.topKey = 'o';
    Paint();
    EXPECT_EQ(TextOf("C")->fore, base.foreColor);
    keyboard.topKey = 't';
    Paint();
    EXPECT_FALSE(TextOf("C")->opaque);
}

TEST_F(KeyboardGraph, GraphKeyboardAlwaysStartsWithC)
{
    ShowScale("D", "major");
    keyboard.tuning.Set("F");
    keyboard.position = 'm';
    Paint();
    EXPECT_EQ(surface.images.front().id, 142);
    ASSERT_NE(TextOf("D"), nullptr);
    EXPECT_EQ(TextOf("D")->x, 28 + 14 - 4);
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
    PaintKeyboardGraph(surface, keyboard, nullptr, base);
    EXPECT_TRUE(surface.texts.empty());
    EXPECT_EQ(surface.images.size(), 13u);
}

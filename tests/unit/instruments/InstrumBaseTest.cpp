#include "InstrumentFixture.h"

#include <cmath>

namespace {

LogFont OemFont()
{
    return {12, 8, 400, 0, 255, 1, 1, "Terminal"};
}

InstrumBase Customised()
{
    InstrumBase base;
    base.notation = 'r';
    base.chordset = 's';
    base.viewStyle = 'g';
    base.foreColor = 255;
    base.backColor = 8454143;
    base.placement.normal = {16, 24, 500, 300};
    base.placement.showCmd = 3;
    base.scrollWidth = 800;
    base.scrollHeight = 600;
    base.scrollX = 40;
    base.scrollY = 12;
    base.fontHeightRatio = 0.75;
    base.fontWidthRatio = 1.25;
    base.fontHeightNormal = 16;
    base.fontWidthNormal = 9;
    base.descent = 3;
    base.charSet = 2;
    base.logFont = {12, 11, 700, 1, 2, 1, 49, "Morvix LineDraw Heavy"};
    base.chordTones = 'i';
    return base;
}

} // namespace

TEST(InstrumBase, VanillaStateRoundTrips)
{
    InstrumBase base = Customised();
    std::string text = base.FormatVanillaState();
    EXPECT_EQ(text, "_Vanilla r s g 255 8454143 16 24 500 300 3 800 600 40 12 0.75 1.25 16 9 3 12 11 700 1 2 1 49 "
                    "Morvix LineDraw Heavy $ _ChordTones i ");
    InstrumBase read;
    ASSERT_TRUE(read.ParseVanillaState("_Model x " + text + "_Stringed 0", OemFont()));
    EXPECT_EQ(read.FormatVanillaState(), text);
    EXPECT_EQ(read.charSet, 2);
    // A string from before the choice has no chord tones part: names.
    std::string old = text.substr(0, text.find("_ChordTones")) + "_Stringed 0";
    ASSERT_TRUE(read.ParseVanillaState(old, OemFont()));
    EXPECT_EQ(read.chordTones, 'n');
}

TEST(InstrumBase, VanillaFaceNameJoinsWithSingleBlanksAndEndsAtTheTextsEnd)
{
    InstrumBase read;
    ASSERT_TRUE(read.ParseVanillaState("_Vanilla e c t 0 0 0 0 0 0 1 0 0 0 0 1 1 12 8 2 12 8 400 0 2 1 1 "
                                       "Morvix   LineDraw  Light",
                                       OemFont()));
    EXPECT_EQ(read.logFont.faceName, "Morvix LineDraw Light");
}

TEST(InstrumBase, VanillaRefusesMissingOrMisspelledTags)
{
    InstrumBase base = Customised();
    const std::string before = base.FormatVanillaState();
    EXPECT_FALSE(base.ParseVanillaState("_Stringed 1 C 4", OemFont()));
    EXPECT_FALSE(base.ParseVanillaState("_VanillaX e c t", OemFont()));
    EXPECT_EQ(base.FormatVanillaState(), before);
}

TEST(InstrumBase, FontSizeFollowsTheRatiosAndWildRatiosStayBounded)
{
    InstrumBase read;
    ASSERT_TRUE(read.ParseVanillaState("_Vanilla e c t 0 0 0 0 0 0 1 0 0 0 0 0.5 1.5 16 10 2 0 0 400 0 2 1 1 F $",
                                       OemFont()));
    EXPECT_EQ(read.logFont.height, 8);
    EXPECT_EQ(read.logFont.width, 15);
    EXPECT_EQ(ScaledFontSize(12, 1e300), 4096);
    EXPECT_EQ(ScaledFontSize(12, -3), 0);
    EXPECT_EQ(ScaledFontSize(12, std::nan("")), 0);
}

TEST(InstrumBase, ProfileRoundTripsWithItsDefaults)
{
    MapSettings settings;
    InstrumBase read;
    read.LoadBaseSettings(settings, "Guitar", 2, OemFont());
    EXPECT_EQ(read.notation, 'e');
    EXPECT_EQ(read.chordTones, 'n') << "a profile from before the choice: names";
    EXPECT_EQ(read.charSet, 255);
    EXPECT_EQ(read.logFont.charSet, 1);
    EXPECT_EQ(read.logFont.faceName, "Morvix LineDraw Light");
    EXPECT_EQ(read.placement.normal, (Rect{50, 30, 300, 120}));

    InstrumBase base = Customised();
    base.ApplyFontRatios();
    base.SaveBaseSettings(settings, "Guitar");
    EXPECT_EQ(settings.values.count("Guitar/HighlightForeColor"), 0u);
    read.LoadBaseSettings(settings, "Guitar", 2, OemFont());
    EXPECT_EQ(read.FormatVanillaState(), base.FormatVanillaState());
}

TEST(InstrumBase, SheetMusicReadsAFullHeightRatioAsHalf)
{
    MapSettings settings;
    settings.values["Sheet/FontHeightRatio"] = "1";
    InstrumBase read;
    read.LoadBaseSettings(settings, "Sheet", 4, OemFont());
    EXPECT_EQ(read.fontHeightRatio, 0.5);
    read.LoadBaseSettings(settings, "Sheet", 2, OemFont());
    EXPECT_EQ(read.fontHeightRatio, 1.0);
    settings.values["Sheet/FontHeightRatio"] = "0.8";
    read.LoadBaseSettings(settings, "Sheet", 4, OemFont());
    EXPECT_EQ(read.fontHeightRatio, 0.8);
}

TEST(InstrumBase, LinesGrowBeyondTheirSlots)
{
    InstrumBase base;
    base.ClearLines();
    for (int i = 0; i < 300; ++i)
        base.AppendLine(std::to_string(i));
    EXPECT_EQ(base.lineCount, 300);
    EXPECT_EQ(base.ValidLines().back(), "299");
    base.ClearLines();
    EXPECT_TRUE(base.ValidLines().empty());
    EXPECT_EQ(base.lines.size(), 256u);
}

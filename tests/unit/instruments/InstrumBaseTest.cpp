#include "InstrumentFixture.h"

#include <cmath>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

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

// The text with its blank-separated word at position replaced.
static std::string WithWord(const std::string& text, std::size_t position, const std::string& word)
{
    std::istringstream in(text);
    std::string result, token;
    for (std::size_t i = 0; in >> token; ++i)
        result += (i == position ? word : token) + " ";
    return result;
}

TEST(InstrumBase, VanillaRefusesValuesTheProgramNeverWrites)
{
    InstrumBase base = Customised();
    const std::string text = base.FormatVanillaState();
    // Word positions: 1 notation, 2 chord set, 3 view style, 6-9 the window, 10 show command,
    // 11-12 scroll sizes, 15-16 font ratios, 17-18 measured cell, 19 descent.
    const std::vector<std::pair<std::size_t, std::string>> wrong = {
        {1, "x"}, {2, "q"}, {3, "z"}, {8, "10"}, {10, "0"}, {10, "40"}, {11, "-5"}, {15, "nan"}, {15, "inf"},
        {16, "1e308"}, {16, "-1"}, {16, "0.05"}, {17, "-16"}, {18, "0"}, {19, "-2"}};
    for (const auto& [position, word] : wrong) {
        InstrumBase read = base;
        EXPECT_FALSE(read.ParseVanillaState(WithWord(text, position, word), OemFont())) << position << " " << word;
        EXPECT_EQ(read.FormatVanillaState(), text);
    }
    InstrumBase read;
    EXPECT_TRUE(read.ParseVanillaState(WithWord(WithWord(text, 15, "0.1"), 16, "1.5"), OemFont())) << "the bounds";
}

TEST(InstrumBase, ProfileValuesOutOfRangeOrMissingReadAsTheirDefaults)
{
    MapSettings settings;
    Customised().SaveBaseSettings(settings, "Guitar");
    // Any one key may go missing: that value takes its default, the others stay.
    for (const auto& [key, value] : std::map<std::string, std::string>(settings.values)) {
        MapSettings lacking;
        lacking.values = settings.values;
        lacking.values.erase(key);
        InstrumBase read;
        read.LoadBaseSettings(lacking, "Guitar", 2, OemFont());
        EXPECT_TRUE(read.InRange()) << key;
        EXPECT_EQ(read.chordset, key == "Guitar/Chordset" ? 'c' : 's') << key;
    }
    for (const char* wild : {"nan", "inf", "-inf", "1e308", "-1", "0", "abc", "3"}) {
        settings.values["Guitar/FontHeightRatio"] = settings.values["Guitar/FontWidthRatio"] = wild;
        InstrumBase read;
        read.LoadBaseSettings(settings, "Guitar", 2, OemFont());
        EXPECT_EQ(read.fontHeightRatio, 1.0) << wild;
        EXPECT_EQ(read.fontWidthRatio, 1.0) << wild;
        EXPECT_GT(read.logFont.height, 0) << wild;
    }
    for (const char* key : {"FontHeightNormal", "FontWidthNormal", "Descent", "SizeX", "SizeY", "PosX"})
        settings.values[std::string("Guitar/") + key] = "-7";
    settings.values["Guitar/Right"] = "0";  // left of its left edge
    settings.values["Guitar/Notation"] = "?";
    settings.values["Guitar/ViewStyle"] = "x";
    InstrumBase read;
    read.LoadBaseSettings(settings, "Guitar", 2, OemFont());
    EXPECT_EQ(std::make_tuple(read.fontHeightNormal, read.fontWidthNormal, read.descent), std::make_tuple(12, 8, 0));
    EXPECT_EQ(std::make_tuple(read.scrollWidth, read.scrollHeight, read.scrollX), std::make_tuple(250, 90, 0));
    EXPECT_EQ(read.placement.normal, (Rect{50, 30, 300, 120}));
    EXPECT_EQ(std::make_tuple(read.notation, read.viewStyle, read.chordset), std::make_tuple('e', 't', 's'));
    EXPECT_EQ(read.foreColor, 255u) << "the values in range stay";
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

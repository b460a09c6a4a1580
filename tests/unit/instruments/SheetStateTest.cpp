#include "InstrumentFixture.h"

#include "instruments/SheetInstrument.h"

TEST(SheetInstrument, DefaultsTakeTheClefFromTheCatalogueAndSwitchToGraph)
{
    SheetInstrument sheet;
    sheet.highlight = 'y';
    sheet.SetDefaults("  P");
    EXPECT_EQ(sheet.clefCode, 'P');
    EXPECT_EQ(sheet.highlight, 'n');
    EXPECT_EQ(sheet.showNotes, 'a');
    InstrumBase base;
    base.SetBaseDefaults();
    ApplySheetBaseDefaults(base);
    EXPECT_EQ(base.viewStyle, 'g');
    EXPECT_EQ(base.fontHeightRatio, 0.5);
}

TEST(SheetInstrument, ProfileRoundTripWithTheHeightRatioRule)
{
    MapSettings settings;
    SheetInstrument saved;
    saved.clefCode = 'T';
    saved.highlight = 'y';
    saved.SaveSettings(settings, "Tenor-Clef");
    InstrumBase base;
    base.fontHeightRatio = 1.0;
    base.SaveBaseSettings(settings, "Tenor-Clef");
    EXPECT_EQ(settings.values["Tenor-Clef/SheetClef"], "T");
    EXPECT_EQ(settings.values["Tenor-Clef/FontHeightRatio"], "1");

    SheetInstrument loaded;
    ASSERT_TRUE(loaded.LoadSettings(settings, "Tenor-Clef"));
    EXPECT_EQ(loaded.clefCode, 'T');
    EXPECT_EQ(loaded.highlight, 'y');
    InstrumBase read;
    read.LoadBaseSettings(settings, "Tenor-Clef", 4, LogFont{});
    EXPECT_EQ(read.fontHeightRatio, 0.5);

    settings.values["Tenor-Clef/FontHeightRatio"] = "0.75";
    read.LoadBaseSettings(settings, "Tenor-Clef", 4, LogFont{});
    EXPECT_EQ(read.fontHeightRatio, 0.75);
}

TEST(SheetInstrument, NoProfileWithoutSheetClef)
{
    MapSettings settings;
    settings.values["Bass-Clef/Highlight"] = "y";
    SheetInstrument sheet;
    sheet.clefCode = 'F';
    EXPECT_FALSE(sheet.LoadSettings(settings, "Bass-Clef"));
    EXPECT_EQ(sheet.highlight, 'n');
}

TEST(SheetInstrument, StateStringRoundTrip)
{
    InstrumBase base;
    base.fontHeightRatio = 0.5;
    base.viewStyle = 'g';
    base.logFont.faceName = "Morvix LineDraw Light";
    SheetInstrument saved;
    saved.clefCode = 'M';
    std::string text = base.FormatVanillaState() + saved.FormatState();
    EXPECT_TRUE(text.ends_with("$ _ChordTones n _Sheet M"));

    SheetInstrument sheet;
    InstrumBase read;
    ASSERT_TRUE(sheet.ParseState(text));
    ASSERT_TRUE(read.ParseVanillaState(text, LogFont{}));
    EXPECT_EQ(sheet.clefCode, 'M');
    // The layout keeps the ratio as it is: the profile's rule does not apply.
    EXPECT_EQ(read.fontHeightRatio, 0.5);
    EXPECT_EQ(read.viewStyle, 'g');
}

TEST(SheetInstrument, StateStringRefusals)
{
    SheetInstrument sheet;
    sheet.clefCode = 'C';
    EXPECT_FALSE(sheet.ParseState("_Vanilla e c g $ "));
    EXPECT_FALSE(sheet.ParseState("_Sheets F"));
    EXPECT_EQ(sheet.clefCode, 'C');
}

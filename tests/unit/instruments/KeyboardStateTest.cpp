#include "InstrumentFixture.h"

#include "instruments/KeyboardInstrument.h"

namespace {

KeyboardInstrument Changed()
{
    KeyboardInstrument keyboard;
    keyboard.SetDefaults("61 F 2 G 0 6");
    keyboard.topKey = 't';
    keyboard.position = 'm';
    keyboard.orientation = 'd';
    return keyboard;
}

void ExpectSame(const KeyboardInstrument& a, const KeyboardInstrument& b)
{
    EXPECT_EQ(a.keyCount, b.keyCount);
    EXPECT_EQ(a.tuning, b.tuning);
    EXPECT_EQ(a.octave, b.octave);
    EXPECT_EQ(a.clef, b.clef);
    EXPECT_EQ(a.written, b.written);
    EXPECT_EQ(a.voice, b.voice);
    EXPECT_EQ(a.topKey, b.topKey);
    EXPECT_EQ(a.position, b.position);
    EXPECT_EQ(a.orientation, b.orientation);
    EXPECT_EQ(a.perspective, b.perspective);
}

} // namespace

TEST(KeyboardInstrument, DefaultsComeFromTheCatalogueParameters)
{
    KeyboardInstrument keyboard = Changed();
    keyboard.SetDefaults("88 A 1 F -2 4");
    EXPECT_EQ(keyboard.keyCount, 88);
    EXPECT_EQ(keyboard.tuning.Text(), "A");
    EXPECT_EQ(keyboard.octave, 1);
    EXPECT_EQ(keyboard.clef, 'F');
    EXPECT_EQ(keyboard.written, -2);
    EXPECT_EQ(keyboard.voice, 4);
    EXPECT_EQ(keyboard.topKey, 'o');
    EXPECT_EQ(keyboard.position, 's');
    EXPECT_EQ(keyboard.orientation, 'a');
    EXPECT_EQ(keyboard.perspective, 'n');
}

TEST(KeyboardInstrument, WildKeyCountsAreBounded)
{
    KeyboardInstrument keyboard;
    keyboard.SetDefaults("2000000000 C 5 G 0 0");
    EXPECT_EQ(keyboard.keyCount, KeyboardInstrument::kMaxKeys);
    keyboard.SetDefaults("-5 C 5 G 0 0");
    EXPECT_EQ(keyboard.keyCount, 0);
}

TEST(KeyboardInstrument, ProfileRoundTrip)
{
    MapSettings settings;
    KeyboardInstrument saved = Changed();
    saved.SaveSettings(settings, "Harpsichord");
    EXPECT_EQ(settings.values["Harpsichord/N"], "61");
    EXPECT_EQ(settings.values["Harpsichord/TopKey"], "t");
    KeyboardInstrument loaded;
    ASSERT_TRUE(loaded.LoadSettings(settings, "Harpsichord"));
    ExpectSame(loaded, saved);
}

TEST(KeyboardInstrument, NoProfileWithoutN)
{
    MapSettings settings;
    settings.values["Piano/Tuning"] = "D";
    KeyboardInstrument keyboard = Changed();
    EXPECT_FALSE(keyboard.LoadSettings(settings, "Piano"));
    ExpectSame(keyboard, Changed());
}

TEST(KeyboardInstrument, StateStringRoundTrip)
{
    CNoteSpeller speller;
    KeyboardInstrument saved = Changed();
    std::string text = "_Vanilla e c t 0 16777215 $ " + saved.FormatState();
    EXPECT_EQ(saved.FormatState(), "_Keyboard 61 F 2 G 0 6 t m d n");
    KeyboardInstrument read;
    ASSERT_TRUE(read.ParseState(text, speller));
    ExpectSame(read, saved);
}

TEST(KeyboardInstrument, StateStringRefusals)
{
    CNoteSpeller speller;
    KeyboardInstrument keyboard = Changed();
    EXPECT_FALSE(keyboard.ParseState("_Sheet G", speller));
    EXPECT_FALSE(keyboard.ParseState("_Keyboards 25 C 5 G 0 0 o s a n", speller));
    ExpectSame(keyboard, Changed());
    ASSERT_TRUE(keyboard.ParseState("_Keyboard 25 H# 5 G 0 0 o s a n", speller));
    EXPECT_EQ(keyboard.tuning.Text(), "C");
}

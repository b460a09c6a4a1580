#include <gtest/gtest.h>

#include <utility>

#include "midi/PracticeDialogs.h"
#include "platform/headless/MemorySettings.h"

TEST(PracticeSettingsTest, TheDialogsShowAndTakeTheSettingsAndRefuseWhatIsOutOfRange)
{
    PracticeSettings settings;
    settings.tempo = 90;
    settings.notesPerBeat = 2;
    settings.pattern = LoopPattern::Down;
    DialogData loop = MakeSoundLoopDialog(settings);
    EXPECT_EQ(loop.caption, "Sound Loop");
    EXPECT_EQ(loop.Find(IDC_PRACTICE_TEMPO)->value, 90);
    EXPECT_EQ(loop.Find(IDC_PRACTICE_PATTERN)->value, 2);
    EXPECT_EQ(loop.Find(IDC_PRACTICE_NOTES_PER_BEAT)->value, 1);
    EXPECT_EQ(loop.Find(IDC_PRACTICE_BEATS_PER_BAR), nullptr);
    ASSERT_TRUE(loop.SetFromText(IDC_PRACTICE_NOTES_PER_BEAT, "4"));
    ASSERT_TRUE(loop.SetFromText(IDC_PRACTICE_PATTERN, "Up"));
    ASSERT_TRUE(loop.SetFromText(IDC_PRACTICE_TEMPO, "241"));
    const PracticeSettings read = ReadPracticeDialog(loop, settings);
    EXPECT_EQ(read.notesPerBeat, 4);
    EXPECT_EQ(read.pattern, LoopPattern::Up);
    EXPECT_EQ(read.tempo, 90) << "past the slider's end";

    DialogData ticks = MakeTicksDialog(settings);
    EXPECT_EQ(ticks.caption, "Ticks");
    EXPECT_EQ(ticks.Find(IDC_PRACTICE_BEATS_PER_BAR)->value, 3);
    ASSERT_TRUE(ticks.SetFromText(IDC_PRACTICE_BEATS_PER_BAR, "12"));
    ASSERT_TRUE(ticks.SetFromText(IDC_PRACTICE_TEMPO, "30"));
    EXPECT_EQ(ReadPracticeDialog(ticks, settings).beatsPerBar, 12);
    EXPECT_EQ(ReadPracticeDialog(ticks, settings).tempo, 30);
    EXPECT_EQ(ReadPracticeDialog(ticks, settings).notesPerBeat, 2) << "not in this dialog";
}

TEST(PracticeSettingsTest, SettingsAreKeptAndValuesOutOfRangeReadAsDefaults)
{
    MemorySettings store;
    PracticeSettings settings;
    settings.tempo = 72;
    settings.pattern = LoopPattern::Up;
    settings.notesPerBeat = 3;
    settings.beatsPerBar = 6;
    settings.showTick = true;
    settings.Save(store);
    const PracticeSettings loaded = PracticeSettings::Load(store);
    EXPECT_EQ(loaded.tempo, 72);
    EXPECT_EQ(loaded.pattern, LoopPattern::Up);
    EXPECT_EQ(loaded.notesPerBeat, 3);
    EXPECT_EQ(loaded.beatsPerBar, 6);
    EXPECT_TRUE(loaded.showTick);

    store.WriteInt("Practice", "Tempo", 0);
    store.WriteInt("Practice", "Pattern", 3);
    store.WriteInt("Practice", "NotesPerBeat", 5);
    store.WriteInt("Practice", "BeatsPerBar", 13);
    store.WriteInt("Practice", "ShowTick", 7);
    const PracticeSettings defaults = PracticeSettings::Load(store);
    EXPECT_EQ(defaults.tempo, 100);
    EXPECT_EQ(defaults.pattern, LoopPattern::UpAndDown);
    EXPECT_EQ(defaults.notesPerBeat, 1);
    EXPECT_EQ(defaults.beatsPerBar, 4);
    EXPECT_FALSE(defaults.showTick);

    // The tempo's ends are kept; one beyond either reads as the default.
    for (const auto& [stored, read] : {std::pair{29, 100}, {30, 30}, {240, 240}, {241, 100}}) {
        store.WriteInt("Practice", "Tempo", stored);
        EXPECT_EQ(PracticeSettings::Load(store).tempo, read) << stored;
    }
}

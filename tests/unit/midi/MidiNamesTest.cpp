#include <gtest/gtest.h>

#include <string>

#include "midi/MidiPlayer.h"

namespace {

TEST(MidiNames, NoteTableNamesSharpsWithC0AtNoteZero)
{
    const MidiPlayer player;
    const auto name = [&](int note) { return std::string(player.noteTable[note].name); };
    EXPECT_EQ(name(0), "C");
    EXPECT_EQ(name(1), "C#");
    EXPECT_EQ(name(9), "A");
    EXPECT_EQ(name(11), "B");
    EXPECT_EQ(name(60), "C");
    EXPECT_EQ(name(69), "A");
    EXPECT_EQ(name(127), "G");
    EXPECT_EQ(player.noteTable[60].octave, 5);
    EXPECT_EQ(player.noteTable[59].octave, 4);
    EXPECT_EQ(player.noteTable[127].octave, 10);
    EXPECT_EQ(player.noteTable[70].pitchClass, 10);
}

TEST(MidiNames, ProgramNamesFollowGeneralMidi)
{
    const MidiPlayer player;
    EXPECT_EQ(player.programNames[0], "Acoustic Grand Piano");
    EXPECT_EQ(player.programNames[21], "Accordian");
    EXPECT_EQ(player.programNames[69], "Cor Anglais (English Horn)");
    EXPECT_EQ(player.programNames[87], "Lead 8 (brass + lead)");
    EXPECT_EQ(player.programNames[127], "Gunshot");
    for (const std::string& name : player.programNames) {
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 127u);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "midi/NoteMessage.h"

namespace {

TEST(NoteMessage, NoteOnsAndOffsOnAnyChannelAreNotes)
{
    auto on = DecodeNoteMessage(0x403C90);
    ASSERT_TRUE(on);
    EXPECT_TRUE(on->on);
    EXPECT_EQ(on->note, 60);
    EXPECT_EQ(on->velocity, 64);
    auto off = DecodeNoteMessage(0x00457F8F);  // channel 16, the highest note
    ASSERT_TRUE(off);
    EXPECT_FALSE(off->on);
    EXPECT_EQ(off->note, 127);
    EXPECT_EQ(off->velocity, 0x45);
    auto drums = DecodeNoteMessage(0x7F2399);  // channel 10
    ASSERT_TRUE(drums);
    EXPECT_TRUE(drums->on);
    EXPECT_EQ(drums->note, 35);
    EXPECT_EQ(drums->velocity, 127);
}

TEST(NoteMessage, ANoteOnWithVelocityZeroIsANoteOff)
{
    auto note = DecodeNoteMessage(0x003C93);
    ASSERT_TRUE(note);
    EXPECT_FALSE(note->on);
    EXPECT_EQ(note->note, 60);
    EXPECT_EQ(note->velocity, 0);
}

TEST(NoteMessage, EveryOtherMessageIsIgnored)
{
    for (std::uint32_t message : {0x403CA0u,   // key pressure
                                  0x7B00B0u,   // all notes off
                                  0x0005C0u,   // program change
                                  0x4000E0u,   // pitch bend
                                  0x0000F8u,   // clock
                                  0x0000FEu,   // active sensing
                                  0x0000FFu,   // reset
                                  0x403C10u})  // a data byte where the status belongs
        EXPECT_FALSE(DecodeNoteMessage(message)) << std::hex << message;
}

TEST(NoteMessage, SoundsOnTheFirstChannelWithItsVelocity)
{
    EXPECT_EQ(NoteOnFirstChannel({60, true, 100}), 0x643C90u);
    EXPECT_EQ(NoteOnFirstChannel({48, false, 0}), 0x003080u);
    auto fromDrums = DecodeNoteMessage(0x7F2399);
    EXPECT_EQ(NoteOnFirstChannel(*fromDrums), 0x7F2390u);
}

}  // namespace

#include <gtest/gtest.h>

#include "midi/MidiOutput.h"
#include "platform/headless/RecordingMidiOut.h"
#include "platform/headless/VirtualClock.h"

namespace {

int player, recorder, keyboard;  // users are told apart by address

}  // namespace

TEST(MidiOutputTest, TheDeviceClosesWhenItsLastUserLetsGo)
{
    VirtualClock clock;
    RecordingMidiOut device(clock);
    MidiOutput output(&device);
    ASSERT_TRUE(output.Hold(&recorder));
    ASSERT_TRUE(output.Hold(&player));
    ASSERT_TRUE(output.Hold(&player)) << "holding twice is holding once";
    EXPECT_EQ(device.OpenCount(), 1);
    output.Release(&player);
    EXPECT_TRUE(output.IsOpen()) << "a playback ending leaves the recorder sounding";
    output.Send(0x643C90);
    EXPECT_EQ(device.Messages().size(), 1u);
    output.Release(&keyboard);
    EXPECT_TRUE(output.IsOpen()) << "one that held nothing lets go of nothing";
    output.Release(&recorder);
    EXPECT_FALSE(output.IsOpen());
    output.Send(0x403C80);
    EXPECT_EQ(device.Messages().size(), 1u) << "a closed device drops what is sent";
}

TEST(MidiOutputTest, AnOutputThatCannotOpenIsHeldByNobody)
{
    VirtualClock clock;
    RecordingMidiOut device(clock);
    device.SetAvailable(false);
    MidiOutput output(&device);
    EXPECT_FALSE(output.Hold(&player));
    EXPECT_FALSE(output.HeldBy(&player));
    device.SetAvailable(true);
    EXPECT_TRUE(output.Hold(&player));
    EXPECT_TRUE(output.HeldBy(&player));
    EXPECT_FALSE(MidiOutput().Hold(&player)) << "without a device";
}

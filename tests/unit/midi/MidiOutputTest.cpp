#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

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

namespace {

// Records what the output tells it of the volume besides the messages.
class VolumeDevice : public RecordingMidiOut {
public:
    using RecordingMidiOut::RecordingMidiOut;
    void SetVolume(int percent) override { volumes.push_back(percent); }
    std::vector<int> volumes;
};

}  // namespace

TEST(MidiOutputTest, AnotherDeviceTakesOverTheVolumeAndOpensOnlyWhenHeld)
{
    VirtualClock clock;
    VolumeDevice first(clock), second(clock), third(clock);
    MidiOutput output(&first);
    output.SetVolume(140);
    EXPECT_EQ(output.Volume(), 100) << "clamped";
    output.SetVolume(40);
    EXPECT_TRUE(first.volumes.empty()) << "a closed device hears it when it opens";
    ASSERT_TRUE(output.Hold(&player));
    EXPECT_EQ(first.volumes, (std::vector<int>{40}));
    output.Send(0x0005C0);

    std::string notice;
    EXPECT_TRUE(output.SwitchDevice(&second, notice));
    EXPECT_FALSE(first.IsOpen());
    ASSERT_TRUE(second.IsOpen());
    EXPECT_EQ(second.volumes, (std::vector<int>{40}));
    ASSERT_EQ(second.Messages().size(), 1u);
    EXPECT_EQ(second.Messages()[0].message, 0x0005C0u) << "the program is sent again";

    output.Release(&player);
    EXPECT_TRUE(output.SwitchDevice(&third, notice)) << "nobody holds it: nothing to open";
    EXPECT_FALSE(third.IsOpen());
    third.SetAvailable(false);
    ASSERT_FALSE(output.Hold(&player));
    EXPECT_TRUE(output.SwitchDevice(&first, notice));
    ASSERT_TRUE(output.Hold(&player));
    EXPECT_EQ(first.Messages().back().message, 0x0005C0u) << "a device that missed the switch still hears it";
    third.SetAvailable(false);
    EXPECT_FALSE(output.SwitchDevice(&third, notice)) << "held, and the new device cannot open";
}

// The timing thread sends while the application's thread switches devices
// and turns the volume: every message reaches exactly one device.
TEST(MidiOutputTest, SendsFromAnotherThreadMeetSwitchesSafely)
{
    VirtualClock clock;
    RecordingMidiOut first(clock), second(clock);
    MidiOutput output(&first);
    ASSERT_TRUE(output.Hold(&player));
    constexpr int kMessages = 2000;
    std::thread timing([&output] {
        for (int i = 0; i < kMessages; ++i)
            output.Send(0x643C90);
    });
    std::string notice;
    for (int i = 0; i < 200; ++i) {
        output.SwitchDevice(i % 2 ? &first : &second, notice);
        output.SetVolume(i % 101);
    }
    timing.join();
    const auto sent = [](const RecordingMidiOut& device) {
        return std::count_if(device.Messages().begin(), device.Messages().end(),
                             [](const RecordedMidiMessage& m) { return m.message == 0x643C90u; });
    };
    EXPECT_EQ(sent(first) + sent(second), kMessages);
}

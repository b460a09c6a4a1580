// The timing thread with the application's thread following it, as the
// desktop program and morvix-cli play in real time. Only order and threads
// are checked here, never how punctual the sending is: the benchmarks
// measure that.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "midi/Metronome.h"
#include "midi/MidiPlayer.h"
#include "platform/headless/RecordingMidiOut.h"
#include "platform/midiout/CallQueue.h"
#include "platform/midiout/SenderThread.h"
#include "platform/midiout/SteadyClock.h"

namespace {

constexpr auto kPatience = std::chrono::seconds(10);

class SenderThreadTest : public ::testing::Test {
protected:
    SteadyClock clock;
    CallQueue calls;
    SenderThread sender{clock, [this](std::function<void()> call) { calls.Post(std::move(call)); }};
    const std::thread::id applicationThread = std::this_thread::get_id();
};

}  // namespace

TEST_F(SenderThreadTest, MessagesGoInDueOrderFromTheTimingThreadAndReportsComeToTheApplicationsThread)
{
    std::vector<std::uint32_t> sent;  // written by the timing thread only
    std::atomic<bool> sentElsewhere{true};
    std::uint64_t heard = 0;
    bool heardHere = true;
    const int producer = sender.AddProducer(
        [&](std::uint32_t message) {
            sent.push_back(message);
            sentElsewhere = sentElsewhere && std::this_thread::get_id() != applicationThread;
        },
        [&](std::uint64_t handled) {
            heard = handled;
            heardHere = heardHere && std::this_thread::get_id() == applicationThread;
        });
    const double now = static_cast<double>(clock.NowMs());
    const TimedMessage messages[] = {{now + 5, 1}, {now + 10, 2, false}, {now + 15, 3}, {now + 15, 4}};
    sender.Schedule(producer, messages);
    ASSERT_TRUE(calls.RunFor([&] { return heard == 4; }, kPatience));
    EXPECT_EQ(sender.Cancel(producer), 4u);
    EXPECT_EQ(sent, (std::vector<std::uint32_t>{1, 3, 4}));
    EXPECT_TRUE(sentElsewhere);
    EXPECT_TRUE(heardHere);
}

TEST_F(SenderThreadTest, NothingCancelledIsSentAndARemovedProducerHearsNoMore)
{
    std::atomic<int> sent{0};
    std::uint64_t heard = 0;
    const int producer = sender.AddProducer([&](std::uint32_t) { ++sent; }, [&](std::uint64_t handled) { heard = handled; });
    const double now = static_cast<double>(clock.NowMs());
    const TimedMessage later[] = {{now + 200, 1}, {now + 300, 2}};
    sender.Schedule(producer, later);
    EXPECT_EQ(sender.Cancel(producer), 0u);
    const TimedMessage marker[] = {{now, 3}};
    sender.Schedule(producer, marker);
    ASSERT_TRUE(calls.RunFor([&] { return heard == 1; }, kPatience));
    EXPECT_EQ(sent, 1);

    bool heardAfterRemoval = false;
    const int gone = sender.AddProducer({}, [&](std::uint64_t) { heardAfterRemoval = true; });
    const TimedMessage now1[] = {{now, 0, false}};
    sender.Schedule(gone, now1);
    sender.RemoveProducer(gone);
    calls.RunFor([] { return false; }, std::chrono::milliseconds(50));
    EXPECT_FALSE(heardAfterRemoval);
}

TEST_F(SenderThreadTest, APlayerPlaysThroughTheThreadAndStopsFromTheApplicationsThread)
{
    RecordingMidiOut device(clock);
    MidiPlayer player(MidiPlayerPorts{&device, &clock, &sender, nullptr});
    MidiEventList records;
    for (std::uint8_t i = 0; i < 40; ++i) {
        MidiEvent note;
        note.kind = MidiKind::NoteOn;
        note.data = MidiBytes{static_cast<std::uint8_t>(40 + i), 100};
        note.time = 5u * (i + 1u);
        records.push_back(note);
    }
    const PlayList list = PlayList::InOrder(records);
    std::vector<PlaybackEnd> ends;
    bool endedHere = false;
    std::size_t played = 0;
    PlaybackRequest request;
    request.list = &list;
    request.played = [&](std::size_t) { ++played; };
    request.ended = [&](const PlaybackEnd& end) {
        ends.push_back(end);
        endedHere = std::this_thread::get_id() == applicationThread;
    };
    ASSERT_EQ(player.Start(request), PlaybackStart::Started);
    ASSERT_TRUE(calls.RunFor([&] { return !player.Playing(); }, kPatience));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0].finished);
    EXPECT_TRUE(endedHere);
    ASSERT_EQ(device.Messages().size(), 41u) << "every note, then All Notes Off";
    for (std::uint8_t i = 0; i < 40; ++i)
        EXPECT_EQ(device.Messages()[i].message, (0x640090u | (40u + i) << 8));

    // The device is read only once the timing thread has let go of it.
    played = 0;
    ASSERT_EQ(player.Start(request), PlaybackStart::Started);
    calls.RunFor([&] { return played >= 5; }, kPatience);
    player.Stop();
    const std::size_t afterStop = device.Messages().size();
    EXPECT_EQ(device.Messages().back().message, 0x7BB0u) << "Stop silences what sounds, last";
    calls.RunFor([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(device.Messages().size(), afterStop) << "nothing after Stop";
    EXPECT_FALSE(device.IsOpen());
}

// The ticks compose on the application's thread and click from the timing
// thread; their flashes come back to the application's thread in order.
TEST_F(SenderThreadTest, TheTicksClickThroughTheThreadAndStopFromTheApplicationsThread)
{
    RecordingMidiOut device(clock);
    MidiOutput output(&device);
    std::vector<int> shown;
    bool shownHere = true;
    {
        Metronome ticks({output, clock, sender});
        ticks.OnTick([&](int beat, int) {
            shown.push_back(beat);
            shownHere = shownHere && std::this_thread::get_id() == applicationThread;
        });
        ASSERT_TRUE(ticks.Start(BeatGrid::StartingAt(static_cast<double>(clock.NowMs()), 240), 0, 3));
        ASSERT_TRUE(calls.RunFor([&] { return shown.size() >= 7; }, kPatience));
        ticks.Stop();
        EXPECT_FALSE(device.IsOpen());
        const std::size_t afterStop = device.Messages().size();
        calls.RunFor([] { return false; }, std::chrono::milliseconds(300));
        EXPECT_EQ(device.Messages().size(), afterStop) << "nothing after Stop";
    }
    ASSERT_GE(shown.size(), 7u);
    EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 7), (std::vector<int>{1, 0, 2, 0, 3, 0, 1}));
    EXPECT_EQ(shown.back(), 0) << "the flash ends with the ticks";
    EXPECT_TRUE(shownHere);
    const auto& sent = device.Messages();
    ASSERT_GE(sent.size(), 7u);
    const std::uint32_t expected[] = {0x7F4C99, 0x4C89, 0x5A4D99, 0x4D89, 0x5A4D99, 0x4D89, 0x7F4C99};
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(sent[i].message, expected[i]) << i;
    EXPECT_EQ(sent.back().message & 0xF0u, 0x80u) << "the last click is ended";
}

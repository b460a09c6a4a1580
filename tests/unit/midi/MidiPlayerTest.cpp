#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "midi/MidiCommands.h"
#include "midi/MidiPlayer.h"
#include "midi/ShortMessage.h"
#include "platform/headless/RecordingMidiOut.h"
#include "platform/headless/VirtualClock.h"

namespace {

using Sent = std::vector<std::pair<std::int64_t, std::uint32_t>>;

class FakeHost : public IPlaybackHost {
public:
    bool PlaybackRunning() const override { return live; }
    void PreparePlayback(const MidiEventList&, std::size_t, unsigned) override {}
    void SetLive(bool value) override { live = value; }
    void ApplyKeySignature(int sf, int mi) override { keys.emplace_back(sf, mi); }
    void RecordPlayed(const PlayedRecord& played) override { playedAt.push_back(played.nowMs); }
    void FinishPlayback() override {}

    bool live = false;
    std::vector<std::pair<int, int>> keys;
    std::vector<std::int64_t> playedAt;
};

// A list built record by record; times follow from the deltas.
class ListBuilder {
public:
    ListBuilder& Add(std::uint8_t kind, std::uint8_t channel, std::uint64_t delta, MidiBytes data)
    {
        MidiEvent event;
        event.kind = kind;
        event.channel = channel;
        event.delta = delta;
        event.time = (list.empty() ? 0 : list.back().time) + delta;
        event.data = std::move(data);
        list.push_back(event);
        return *this;
    }
    ListBuilder& NoteOn(std::uint64_t delta, std::uint8_t note, std::uint8_t channel = 0)
    {
        return Add(MidiKind::NoteOn, channel, delta, {note, 100});
    }
    ListBuilder& NoteOff(std::uint64_t delta, std::uint8_t note, std::uint8_t channel = 0)
    {
        return Add(MidiKind::NoteOff, channel, delta, {note, 64});
    }
    ListBuilder& Tempo(std::uint64_t delta, std::uint32_t tempo)
    {
        return Add(MidiKind::SetTempo, kMetaChannel, delta,
                   {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                    static_cast<std::uint8_t>(tempo)});
    }

    MidiEventList list;
};

class MidiPlayerTest : public ::testing::Test {
protected:
    // Plays list as the current document's, division 96 (a quarter is 500 ms).
    Sent Play(const MidiEventList& list)
    {
        settings.list = &list;
        settings.division = 96;
        player.SetCurrentDocument(&settings);
        player.SetHead(&list, 0);
        EXPECT_TRUE(player.OpenOutput());
        player.PlayList(DeltaUnit::DocumentTicks);
        player.CloseOutput();
        Sent sent;
        for (const RecordedMidiMessage& message : output.Messages())
            sent.emplace_back(message.timeMs, message.message);
        return sent;
    }

    VirtualClock clock;
    RecordingMidiOut output{clock};
    FakeHost host;
    MidiPlayer player{MidiPlayerPorts{&output, &clock, &host}};
    PlaybackSettings settings;
};

}  // namespace

TEST_F(MidiPlayerTest, SendsEachChannelMessageAtItsTickTime)
{
    ListBuilder b;
    b.Add(MidiKind::Program, 2, 0, {40}).NoteOn(0, 60, 2).NoteOff(96, 60, 2).NoteOn(48, 64).NoteOff(24, 64);
    b.Add(MidiKind::EndOfTrack, kMetaChannel, 96, {});
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x28C2}, {0, 0x643C92}, {500, 0x403C82}, {750, 0x644090}, {875, 0x404080}}));
    EXPECT_EQ(clock.NowMs(), 1375) << "a meta record is waited for, not sent";
    EXPECT_TRUE(host.live) << "the Play command clears the live flag, not the loop";
    EXPECT_FALSE(player.Cursor());
}

TEST_F(MidiPlayerTest, ATempoRecordsOwnDeltaPassesAtTheTempoBeforeIt)
{
    ListBuilder b;
    b.NoteOn(0, 60).Tempo(96, 250000).NoteOff(96, 60).Tempo(0, 1000000).NoteOn(96, 62);
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x643C90}, {750, 0x403C80}, {1750, 0x643E90}}));
    EXPECT_EQ(settings.tempo, 1000000u);
}

TEST_F(MidiPlayerTest, TimesDoNotDriftWhenEveryDeltaIsAFractionOfAMillisecond)
{
    // 1 tick = 500000 / 960 µs ≈ 0.52 ms: truncating each wait alone would
    // lose about half a millisecond per record.
    ListBuilder b;
    for (int i = 0; i < 2000; ++i)
        b.NoteOn(1, 60);
    settings.division = 960;
    settings.list = &b.list;
    player.SetCurrentDocument(&settings);
    player.SetHead(&b.list, 0);
    player.OpenOutput();
    player.PlayList(DeltaUnit::DocumentTicks);
    ASSERT_EQ(output.Messages().size(), 2000u);
    EXPECT_EQ(output.Messages().back().timeMs, 1042);  // 2000 × 0.5208 ms
}

TEST_F(MidiPlayerTest, At25PercentEveryWaitIsFourTimesAsLong)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    settings.rate = FindRateCommand(224)->rate;
    EXPECT_EQ(Play(b.list), (Sent{{2000, 0x643C90}, {4000, 0x643E90}}));
}

TEST_F(MidiPlayerTest, At150PercentEveryWaitIsTwoThirdsAsLong)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    settings.rate = FindRateCommand(225)->rate;
    EXPECT_EQ(Play(b.list), (Sent{{333, 0x643C90}, {667, 0x643E90}}));
}

TEST_F(MidiPlayerTest, ARateChangedDuringAWaitCountsFromTheRecordThen)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62).NoteOn(96, 64);
    clock.SetPauseHook([&](std::int64_t deadline) {
        if (deadline == 500)
            settings.rate = 2.0;
    });
    EXPECT_EQ(Play(b.list), (Sent{{500, 0x643C90}, {1500, 0x643E90}, {2500, 0x644090}}));
}

TEST_F(MidiPlayerTest, AQueuedPositionFastForwardsWithoutNoteOns)
{
    ListBuilder b;
    b.Add(MidiKind::Program, 0, 0, {5}).NoteOn(0, 60).Add(MidiKind::Controller, 0, 96, {7, 90});
    b.NoteOff(0, 60).NoteOn(96, 62).NoteOff(96, 62);
    settings.queuePosition = 4;  // the note on at tick 192, waited for from the start as its delta says
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x05C0}, {0, 0x5A07B0}, {0, 0x403C80}, {500, 0x643E90}, {1000, 0x403E80}}));
}

TEST_F(MidiPlayerTest, ClearingTheCursorDuringAWaitEndsThePlayback)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62).NoteOn(96, 64);
    clock.SetPauseHook([&](std::int64_t deadline) {
        if (deadline == 1000)
            player.ClearCursor();
    });
    EXPECT_EQ(Play(b.list), (Sent{{500, 0x643C90}}));
    EXPECT_EQ(host.playedAt, (std::vector<std::int64_t>{500}));
}

TEST_F(MidiPlayerTest, ClosingAMidiDocumentEndsThePlaybackAndForgetsTheDocument)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    clock.SetPauseHook([&](std::int64_t) { player.DocumentClosed(); });
    EXPECT_TRUE(Play(b.list).empty());
    EXPECT_EQ(player.CurrentDocument(), nullptr);
}

TEST_F(MidiPlayerTest, SystemExclusiveGoesAsStatus0xFFAndKeySignaturesReachTheHost)
{
    ListBuilder b;
    b.Add(MidiKind::SystemExclusive, kMetaChannel, 0, {0x7E, 0x7F, 0x09, 0x01, 0xF7});
    b.Add(MidiKind::KeySignature, kMetaChannel, 0, {0xFD, 1});
    b.Add(MidiKind::TimeSignature, kMetaChannel, 0, {3, 2, 24, 8});
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x7F7EFF}}));
    EXPECT_EQ(host.keys, (std::vector<std::pair<int, int>>{{0xFD, 1}}));
    EXPECT_EQ(settings.timeSignature, (std::array<std::uint8_t, 4>{3, 2, 24, 8}));
}

TEST_F(MidiPlayerTest, RecordedMillisecondsPlayAsMillisecondsWhateverTheDocument)
{
    ListBuilder b;
    b.Add(255, 0, 0, {42}).NoteOn(0, 48).NoteOn(30, 50).NoteOff(45, 50);
    settings.division = 96;
    player.SetCurrentDocument(&settings);
    player.SetHead(&b.list, 0);
    player.OpenOutput();
    player.PlayList(DeltaUnit::Milliseconds);
    ASSERT_EQ(output.Messages().size(), 4u);
    EXPECT_EQ(output.Messages()[0].message, 0x2AFFu) << "the start marker goes out like any record with the top bit";
    EXPECT_EQ(output.Messages()[2].timeMs, 30);
    EXPECT_EQ(output.Messages()[3].timeMs, 75);
}

TEST(MidiPlayerPortsTest, WithoutPortsNothingOpensOrPlays)
{
    MidiPlayer player;
    MidiEventList list(1);
    player.SetHead(&list, 0);
    EXPECT_FALSE(player.OpenOutput());
    player.PlayList(DeltaUnit::DocumentTicks);
    EXPECT_FALSE(player.Playing());
}

TEST(ShortMessageTest, PacksStatusAndUpToTwoDataBytes)
{
    MidiEvent program;
    program.kind = MidiKind::Program;
    program.channel = 9;
    program.data = MidiBytes{33};
    EXPECT_EQ(PackShortMessage(program), 0x21C9u);
    MidiEvent bend;
    bend.kind = MidiKind::PitchBend;
    bend.channel = 15;
    bend.data = MidiBytes{0x00, 0x40};
    EXPECT_EQ(PackShortMessage(bend), 0x4000EFu);
    MidiEvent meta;
    meta.kind = MidiKind::SetTempo;
    EXPECT_FALSE(IsSent(meta));
}

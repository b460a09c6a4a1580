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
    void PreparePlayback(const PlayList&, std::size_t, unsigned) override {}
    void SetLive(bool value) override { live = value; }
    void ApplyKeySignature(int sf, int mi) override { keys.emplace_back(sf, mi); }
    void RecordPlayed(const PlayedRecord& played) override { playedAt.push_back(played.nowMs); }
    void FinishPlayback() override { live = false; }

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
        event.time = (records.empty() ? 0 : records.back().time) + delta;
        event.data = std::move(data);
        records.push_back(event);
        list = PlayList::InOrder(records);
        return *this;
    }
    ListBuilder& NoteOn(std::uint64_t delta, std::uint8_t note, std::uint8_t channel = 0, std::uint8_t velocity = 100)
    {
        return Add(MidiKind::NoteOn, channel, delta, {note, velocity});
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

    MidiEventList records;
    PlayList list;
};

constexpr std::uint32_t kAllNotesOff = 0x7BB0;

class MidiPlayerTest : public ::testing::Test {
protected:
    // Starts list as a document's, division 96 (a quarter is 500 ms).
    PlaybackStart Start(const PlayList& list)
    {
        settings.list = &list;
        if (settings.division == 0)
            settings.division = 96;
        PlaybackRequest request;
        request.list = &list;
        request.document = &settings;
        request.played = [this](std::size_t index) { played.push_back(index); };
        request.ended = [this](const PlaybackEnd& end) { ends.push_back(end); };
        return player.Start(std::move(request));
    }
    Sent Play(const PlayList& list)
    {
        EXPECT_EQ(Start(list), PlaybackStart::Started);
        clock.RunUntilIdle();
        return Messages();
    }
    Sent Messages() const
    {
        Sent sent;
        for (const RecordedMidiMessage& message : output.Messages())
            sent.emplace_back(message.timeMs, message.message);
        return sent;
    }

    VirtualClock clock;
    RecordingMidiOut output{clock};
    FakeHost host;
    MidiPlayer player{MidiPlayerPorts{&output, &clock, &clock, &host}};
    PlaybackSettings settings;
    std::vector<std::size_t> played;
    std::vector<PlaybackEnd> ends;
};

}  // namespace

TEST_F(MidiPlayerTest, SendsEachChannelMessageAtItsTickTimeAndSilencesItsChannelsAtTheEnd)
{
    ListBuilder b;
    b.Add(MidiKind::Program, 2, 0, {40}).NoteOn(0, 60, 2).NoteOff(96, 60, 2).NoteOn(48, 64).NoteOff(24, 64);
    b.Add(MidiKind::EndOfTrack, kMetaChannel, 96, {});
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x28C2},
                                  {0, 0x643C92},
                                  {500, 0x403C82},
                                  {750, 0x644090},
                                  {875, 0x404080},
                                  {1375, kAllNotesOff},
                                  {1375, kAllNotesOff | 2}}));
    EXPECT_EQ(clock.NowMs(), 1375) << "a meta record is waited for, not sent";
    EXPECT_FALSE(player.Playing());
    EXPECT_FALSE(host.live);
    EXPECT_FALSE(output.IsOpen()) << "the player lets go of the output";
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0].finished);
    EXPECT_EQ(played, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(MidiPlayerTest, NothingGoesBeforeItsTimeAndTheModelHearsOfEachRecordWhenItGoes)
{
    ListBuilder b;
    b.NoteOn(0, 60).NoteOff(96, 60).NoteOn(96, 62);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    EXPECT_TRUE(output.Messages().empty()) << "the sender sends, not Play itself";
    clock.RunDue();
    EXPECT_EQ(Messages(), (Sent{{0, 0x643C90}}));
    clock.Advance(499);
    EXPECT_EQ(host.playedAt, (std::vector<std::int64_t>{0}));
    clock.Advance(1);
    EXPECT_EQ(host.playedAt, (std::vector<std::int64_t>{0, 500}));
    EXPECT_TRUE(player.Playing());
}

TEST_F(MidiPlayerTest, ATempoRecordsOwnDeltaPassesAtTheTempoBeforeIt)
{
    ListBuilder b;
    b.NoteOn(0, 60).Tempo(96, 250000).NoteOff(96, 60).Tempo(0, 1000000).NoteOn(96, 62);
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x643C90}, {750, 0x403C80}, {1750, 0x643E90}, {1750, kAllNotesOff}}));
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
    Play(b.list);
    ASSERT_EQ(output.Messages().size(), 2001u);
    EXPECT_EQ(output.Messages()[1999].timeMs, 1042);  // 2000 × 0.5208 ms
}

TEST_F(MidiPlayerTest, At25PercentEveryWaitIsFourTimesAsLong)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    settings.rate = FindRateCommand(224)->rate;
    EXPECT_EQ(Play(b.list), (Sent{{2000, 0x643C90}, {4000, 0x643E90}, {4000, kAllNotesOff}}));
}

TEST_F(MidiPlayerTest, At150PercentEveryWaitIsTwoThirdsAsLong)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    settings.rate = FindRateCommand(225)->rate;
    EXPECT_EQ(Play(b.list), (Sent{{333, 0x643C90}, {667, 0x643E90}, {667, kAllNotesOff}}));
}

TEST_F(MidiPlayerTest, ARateChangedDuringAWaitHoldsFromTheRecordWaitedFor)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62).NoteOn(96, 64);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    clock.Advance(200);
    settings.rate = 2.0;
    player.Retime();
    clock.RunUntilIdle();
    EXPECT_EQ(Messages(), (Sent{{500, 0x643C90}, {1500, 0x643E90}, {2500, 0x644090}, {2500, kAllNotesOff}}));
}

TEST_F(MidiPlayerTest, AQueuedPositionFastForwardsSendingEverythingButSoundingNoteOns)
{
    ListBuilder b;
    b.Add(MidiKind::Program, 0, 0, {5}).NoteOn(0, 60).Add(MidiKind::Controller, 0, 96, {7, 90});
    b.NoteOn(0, 60, 0, 0).NoteOn(96, 62).NoteOff(96, 62);
    settings.queuePosition = 4;  // the note on at tick 192, waited for from the start as its delta says
    EXPECT_EQ(Play(b.list), (Sent{{0, 0x05C0}, {0, 0x5A07B0}, {0, 0x3C90}, {500, 0x643E90}, {1000, 0x403E80},
                                  {1000, kAllNotesOff}}))
        << "a note on of velocity 0 ends a note: it is fast-forwarded like a note off";
}

TEST_F(MidiPlayerTest, QueueingForwardDuringPlaybackJumpsAtOnceAndSilencesWhatSounds)
{
    ListBuilder b;
    b.NoteOn(0, 60).NoteOn(96, 60, 0, 0).NoteOn(0, 62, 1).NoteOn(96, 62, 1, 0).NoteOn(0, 64).NoteOn(96, 64, 0, 0);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    clock.Advance(600);
    settings.queuePosition = 5;  // the note on at tick 192 ends; the one at 288 is the next to wait for
    player.Retime();
    clock.RunUntilIdle();
    EXPECT_EQ(Messages(), (Sent{{0, 0x643C90},
                                {500, 0x3C90},
                                {500, 0x643E91},
                                {600, kAllNotesOff},
                                {600, kAllNotesOff | 1},
                                {600, 0x3E91},
                                {1100, 0x4090}}));
}

TEST_F(MidiPlayerTest, StopEndsAtOnceLeavingNoNoteSoundingAndTellsWhereItStopped)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62).NoteOn(96, 64);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    clock.Advance(700);
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(Messages(), (Sent{{500, 0x643C90}, {700, kAllNotesOff}}));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_FALSE(ends[0].finished);
    EXPECT_EQ(ends[0].next, 1u);
    EXPECT_EQ(Start(b.list), PlaybackStart::Started) << "Play answers at once after Stop";
    clock.RunUntilIdle();
    EXPECT_EQ(host.playedAt, (std::vector<std::int64_t>{500, 1200, 1700, 2200}));
}

TEST_F(MidiPlayerTest, ClosingThePlayingDocumentEndsThePlaybackAndForgetsIt)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    PlaybackSettings other;
    player.DocumentClosed(&other);
    EXPECT_TRUE(player.Playing()) << "another document closing changes nothing";
    player.DocumentClosed(&settings);
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(player.CurrentDocument(), nullptr);
    clock.RunUntilIdle();
    EXPECT_TRUE(output.Messages().empty());
}

TEST_F(MidiPlayerTest, APlayingDocumentKeepsItsTimingWhateverDocumentBecomesCurrent)
{
    ListBuilder b;
    b.NoteOn(96, 60).NoteOn(96, 62);
    ASSERT_EQ(Start(b.list), PlaybackStart::Started);
    PlaybackSettings other;
    other.division = 24;
    other.rate = 4.0;
    player.SetCurrentDocument(&other);
    clock.RunUntilIdle();
    EXPECT_EQ(host.playedAt, (std::vector<std::int64_t>{500, 1000}));
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

TEST_F(MidiPlayerTest, SmpteDivisionsTimeTicksAsFramesOfASecond)
{
    // 25 frames a second, 40 ticks a frame: a tick is a millisecond, whatever the tempo.
    ListBuilder b;
    b.NoteOn(500, 60).Tempo(0, 250000).NoteOn(500, 62);
    settings.division = 0xE728;
    EXPECT_EQ(Play(b.list), (Sent{{500, 0x643C90}, {1000, 0x643E90}, {1000, kAllNotesOff}}));
}

TEST_F(MidiPlayerTest, DivisionZeroIsNotPlayed)
{
    ListBuilder b;
    b.NoteOn(0, 60).NoteOn(96, 62);
    settings.division = 0;
    settings.list = &b.list;
    PlaybackRequest request;
    request.list = &b.list;
    request.document = &settings;
    EXPECT_EQ(player.Start(std::move(request)), PlaybackStart::Untimed);
    EXPECT_FALSE(output.IsOpen());
    EXPECT_FALSE(player.Playing());
}

TEST_F(MidiPlayerTest, RecordedMillisecondsPlayAsMillisecondsAndAnEmptyListEndsAtOnce)
{
    ListBuilder b;
    b.Add(255, 0, 0, {42}).NoteOn(0, 48).NoteOn(30, 50).NoteOff(45, 50);
    PlaybackRequest request;
    request.list = &b.list;
    ASSERT_EQ(player.Start(std::move(request)), PlaybackStart::Started);
    clock.RunUntilIdle();
    ASSERT_EQ(output.Messages().size(), 5u);
    EXPECT_EQ(output.Messages()[0].message, 0x2AFFu) << "the start marker goes out like any record with the top bit";
    EXPECT_EQ(output.Messages()[2].timeMs, 30);
    EXPECT_EQ(output.Messages()[3].timeMs, 75);

    const PlayList empty;
    PlaybackRequest nothing;
    nothing.list = &empty;
    ASSERT_EQ(player.Start(std::move(nothing)), PlaybackStart::Started);
    clock.RunDue();
    EXPECT_FALSE(player.Playing());
    EXPECT_FALSE(output.IsOpen());
}

TEST(MidiPlayerPortsTest, WithoutPortsNothingOpensOrPlays)
{
    MidiPlayer player;
    const MidiEventList records(1);
    const PlayList list = PlayList::InOrder(records);
    PlaybackRequest request;
    request.list = &list;
    EXPECT_EQ(player.Start(std::move(request)), PlaybackStart::NoOutput);
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

// A note beyond the keyboard's range must not spill into the velocity's
// byte, nor a velocity beyond 127 past the message.
TEST(ShortMessageTest, AChannelMessageKeepsEachDataByteToSevenBits)
{
    EXPECT_EQ(ShortMessage(0x99, 76, 127), 0x7F4C99u);
    EXPECT_EQ(ShortMessage(0x80, 60, 0), 0x003C80u);
    EXPECT_EQ(ShortMessage(0x90, 60 + 128, 96), 0x603C90u);
    EXPECT_EQ(ShortMessage(0x90, 60, 96 + 128), 0x603C90u);
}

// A note on of velocity 0 ends a note: the player marks no channel for it,
// and the listing's followed track does not move to it.
TEST(ShortMessageTest, OnlyANoteOnWithAVelocitySounds)
{
    MidiEvent event;
    event.kind = MidiKind::NoteOn;
    event.data = MidiBytes{60, 100};
    EXPECT_TRUE(IsSoundingNoteOn(event));
    event.data = MidiBytes{60, 0};
    EXPECT_FALSE(IsSoundingNoteOn(event));
    event.data = MidiBytes{60};
    EXPECT_FALSE(IsSoundingNoteOn(event)) << "a note on cut short has no velocity";
    event.kind = MidiKind::NoteOff;
    event.data = MidiBytes{60, 100};
    EXPECT_FALSE(IsSoundingNoteOn(event));
}

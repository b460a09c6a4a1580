#include <gtest/gtest.h>

#include <vector>

#include "midi/MidiTiming.h"

namespace {

// A record `delta` ticks after the one before it.
struct Step {
    std::uint64_t delta = 0;
    MidiEvent event;
};

Step Delta(std::uint64_t delta, int kind = MidiKind::NoteOn, MidiBytes data = {60, 1})
{
    Step step{delta, {}};
    step.event.kind = static_cast<std::uint8_t>(kind);
    step.event.data = std::move(data);
    return step;
}

Step Tempo(std::uint64_t delta, std::uint32_t tempo)
{
    return Delta(delta, MidiKind::SetTempo,
                 {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                  static_cast<std::uint8_t>(tempo)});
}

std::uint64_t Running(const std::vector<Step>& steps, unsigned division)
{
    MidiEventList list;
    std::uint64_t time = 0;
    for (const Step& step : steps) {
        list.push_back(step.event);
        list.back().time = time += step.delta;
    }
    return RunningTimeMs(PlayList::InOrder(list), division);
}

TEST(MidiTiming, DefaultTempoIsHalfASecondPerQuarter)
{
    EXPECT_EQ(Running({Delta(960)}, 480), 1000u);
    EXPECT_EQ(Running({}, 480), 0u);
}

TEST(MidiTiming, ATempoRecordsOwnDeltaPassesAtTheTempoBeforeIt)
{
    // As the player plays it: the running time is when the last record sounds.
    EXPECT_EQ(Running({Delta(480), Tempo(480, 1000000), Delta(480)}, 480), 500u + 500u + 1000u);
}

TEST(MidiTiming, SumsExactlyAndRoundsOnceAtTheEnd)
{
    // 1 tick at 480 is 1.0417 ms: three hundred records are 312.5 ms, not 300.
    EXPECT_EQ(Running(std::vector<Step>(300, Delta(1)), 480), 313u);
}

TEST(MidiTiming, SmpteDivisionsCountFramesOfASecond)
{
    // -25 frames a second with 40 ticks a frame: a millisecond a tick, whatever the tempo.
    EXPECT_EQ(Running({Delta(500), Tempo(0, 250000), Delta(500)}, 0xE728), 1000u);
    // -30 frames with 80 ticks: 2400 ticks a second.
    EXPECT_EQ(Running({Delta(2400)}, 0xE250), 1000u);
    // -29 is 29.97 frames a second (30 drop frame): 30 ticks a frame, 899.1 ticks a second.
    EXPECT_EQ(Running({Delta(8991)}, 0xE31E), 10000u);
    EXPECT_EQ(MidiTimeBase::FromDivision(0xE728).TicksPerQuarter(), 500u) << "a quarter at 120 beats a minute";
    EXPECT_EQ(MidiTimeBase::FromDivision(96).TicksPerQuarter(), 96u);
}

TEST(MidiTiming, DivisionZeroAndZeroTicksPerFrameHaveNoTime)
{
    EXPECT_FALSE(MidiTimeBase::FromDivision(0).Timed());
    EXPECT_FALSE(MidiTimeBase::FromDivision(0xE700).Timed());
    EXPECT_TRUE(MidiTimeBase::FromDivision(1).Timed());
    EXPECT_EQ(Running({Delta(480)}, 0), 0u);
}

TEST(MidiTiming, TempoZeroIsIgnored)
{
    EXPECT_EQ(Running({Tempo(480, 0), Delta(480)}, 480), 1000u);
    EXPECT_FALSE(TempoOf(Tempo(0, 0).event));
    EXPECT_EQ(TempoOf(Tempo(0, 0x07A120).event), 500000u);
    EXPECT_FALSE(TempoOf(Delta(0).event));
}

TEST(MidiTiming, HugeDeltasDoNotOverflow)
{
    const std::uint64_t delta = std::uint64_t{1} << 50;
    EXPECT_EQ(TicksToMs(delta, 0xFFFFFF, 1), delta / 1000 * 0xFFFFFF + delta % 1000 * 0xFFFFFF / 1000);
    EXPECT_EQ(TicksToMs(7, 500000, 0), 0u);
}

TEST(MidiTiming, DeltasAroundThirtyTwoBitsAgreeWithTheExactQuotient)
{
    const auto exact = [](std::uint64_t delta, std::uint64_t tempo, std::uint64_t divisor) {
        return static_cast<std::uint64_t>(static_cast<unsigned __int128>(delta) * tempo / divisor);
    };
    for (const std::uint64_t delta : {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{479},
                                      std::uint64_t{0x0FFFFFFF}, std::uint64_t{0xFFFFFFFE},
                                      std::uint64_t{0xFFFFFFFF}, std::uint64_t{0x100000000},
                                      std::uint64_t{0x100000001}, std::uint64_t{1} << 40}) {
        for (const std::uint32_t tempo : {1u, 500000u, 0xFFFFFFu, 0xFFFFFFFFu}) {
            for (const unsigned division : {1u, 96u, 480u, 65535u})
                EXPECT_EQ(TicksToMs(delta, tempo, division), exact(delta, tempo, division * 1000ull))
                    << delta << " " << tempo << " " << division;
        }
    }
}


}  // namespace

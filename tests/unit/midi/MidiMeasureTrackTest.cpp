#include <gtest/gtest.h>

#include "midi/MidiMeasureTrack.h"

namespace {

std::vector<std::uint64_t> BarTimes(const MeasureTrack& track)
{
    std::vector<std::uint64_t> times;
    for (std::size_t i = 1; i < track.events.size(); ++i)
        times.push_back(track.events[i].time);
    return times;
}

TEST(MidiMeasureTrack, HeadAndMarkerRecords)
{
    const MeasureTrack track = BuildMeasureTrack({}, 100, 96);
    ASSERT_EQ(track.events.size(), 2u);
    const MidiEvent& head = track.events[0];
    EXPECT_EQ(head.kind, 1u);
    EXPECT_EQ(head.data, (MidiBytes{'T', 'i', 'm', 'e', 's'}));
    const MidiEvent& bar = track.events[1];
    EXPECT_EQ(bar.kind, 6u);
    EXPECT_EQ(bar.channel, 0u);
    EXPECT_TRUE(bar.isMeasureBar);
    EXPECT_EQ(bar.data, (MidiBytes{'B', 'A', 'R'}));
    EXPECT_EQ(track.ticks, (std::vector<std::uint64_t>{0, 384})) << "the listing counts the bar line";
}

TEST(MidiMeasureTrack, WithoutTimeSignaturesBarsRunToTheFirstAtOrPastTheEnd)
{
    // Markers lead their bar line by 480 / 17 = 28 ticks.
    EXPECT_EQ(BarTimes(BuildMeasureTrack({}, 3840, 480)), (std::vector<std::uint64_t>{1892, 3812}));
    EXPECT_EQ(BarTimes(BuildMeasureTrack({}, 3841, 480)),
              (std::vector<std::uint64_t>{1892, 3812, 5732}));
    EXPECT_EQ(BarTimes(BuildMeasureTrack({}, 1, 480)), (std::vector<std::uint64_t>{1892}));
    EXPECT_TRUE(BarTimes(BuildMeasureTrack({}, 0, 480)).empty());
}

TEST(MidiMeasureTrack, TimeSignaturesSetTheBarLengthUpToTheNextOne)
{
    const TimeSignatureMark threeFour{0, 3, 2};
    EXPECT_EQ(BarTimes(BuildMeasureTrack(std::vector{threeFour}, 1000, 100)),
              (std::vector<std::uint64_t>{295, 595, 895}));

    // 3/4 for two bars, then 2/4 from tick 600: the bar line at 600 is the
    // last of the 3/4 bars; the track's last bar line stays short of its end.
    const std::vector<TimeSignatureMark> marks{{0, 3, 2}, {600, 2, 2}};
    const MeasureTrack track = BuildMeasureTrack(marks, 1200, 100);
    EXPECT_EQ(BarTimes(track), (std::vector<std::uint64_t>{295, 595, 795, 995}));
    EXPECT_EQ(track.ticks[2] - track.ticks[1], 300u);
    EXPECT_EQ(track.ticks[3] - track.ticks[2], 200u);

    // A change in the middle of a bar: bars keep their old grid position.
    const std::vector<TimeSignatureMark> offGrid{{0, 4, 2}, {500, 2, 2}};
    EXPECT_EQ(BarTimes(BuildMeasureTrack(offGrid, 1000, 100)), (std::vector<std::uint64_t>{395, 595, 795}));
}

TEST(MidiMeasureTrack, MeasureLengthOfZeroMakesNoMarkers)
{
    const std::vector<TimeSignatureMark> marks{{0, 0, 2}, {800, 4, 2}};
    EXPECT_EQ(BarTimes(BuildMeasureTrack(marks, 1700, 100)),
              (std::vector<std::uint64_t>{395, 795, 1195, 1595}));
    EXPECT_EQ(BuildMeasureTrack({}, 1000, 0).events.size(), 1u) << "division 0";
    EXPECT_EQ(MeasureLength(3, 200, 480), 0u);
    EXPECT_EQ(MeasureLength(7, 3, 480), 1680u);
}

TEST(MidiMeasureTrack, StopsAtTheBarLimit)
{
    const MeasureTrack track = BuildMeasureTrack({}, 0x0FFFFFFF, 1);
    EXPECT_TRUE(track.capped);
    EXPECT_EQ(track.events.size(), kMaxMeasureBars + 1);
    EXPECT_FALSE(BuildMeasureTrack({}, 3840, 480).capped);
}

}  // namespace

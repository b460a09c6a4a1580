#include <gtest/gtest.h>

#include <algorithm>

#include "midi/MidiMerge.h"

namespace {

MidiEvent Record(int kind, std::uint64_t time, MidiBytes data = {}, int channel = 0)
{
    MidiEvent event;
    event.kind = kind;
    event.channel = channel;
    event.time = time;
    event.data = std::move(data);
    return event;
}

MidiEvent On(std::uint64_t time, std::uint8_t note, std::uint8_t velocity = 100, int channel = 0)
{
    return Record(MidiKind::NoteOn, time, {note, velocity}, channel);
}

MidiEvent Off(std::uint64_t time, std::uint8_t note, int channel = 0)
{
    return Record(MidiKind::NoteOff, time, {note, 0}, channel);
}

MidiEventList Merge(const std::vector<MidiEventList>& lists)
{
    std::vector<const MidiEventList*> pointers;
    for (const MidiEventList& list : lists)
        pointers.push_back(&list);
    return MergeTracks(pointers);
}

// The play list as (time, first data byte) pairs, merge start left out.
std::vector<std::pair<std::uint64_t, int>> Order(const MidiEventList& playList)
{
    std::vector<std::pair<std::uint64_t, int>> order;
    for (std::size_t i = 1; i < playList.size(); ++i)
        order.emplace_back(playList[i].time, playList[i].data.empty() ? -1 : playList[i].data[0]);
    return order;
}

TEST(MidiMerge, StartsWithTheMergeStartRecord)
{
    const MidiEventList playList = Merge({});
    ASSERT_EQ(playList.size(), 1u);
    EXPECT_EQ(playList[0].kind, 1);
    EXPECT_EQ(playList[0].data, (MidiBytes{'M', 'e', 'r', 'g', 'e'}));
    EXPECT_EQ(playList[0].text, "000000 00000 Meta Merge Start");
}

TEST(MidiMerge, OrdersByTimeThenByList)
{
    const MidiEventList playList = Merge({
        {On(0, 1), On(10, 2), On(10, 3), On(30, 4)},
        {On(0, 5), On(5, 6), On(10, 7), On(31, 8)},
        {On(10, 9), On(29, 10)},
    });
    EXPECT_EQ(Order(playList), (std::vector<std::pair<std::uint64_t, int>>{
                                   {0, 1}, {0, 5}, {5, 6}, {10, 2}, {10, 3}, {10, 7}, {10, 9},
                                   {29, 10}, {30, 4}, {31, 8}}));
    std::uint64_t now = 0;
    for (const MidiEvent& event : playList) {
        EXPECT_EQ(event.delta, event.time - now);
        now = event.time;
    }
    EXPECT_EQ(playList[3].text, "000005 00005 Event Copy");
    EXPECT_EQ(playList[10].text, "000031 00001 Event Copy");
}

TEST(MidiMerge, ManyListsMergeAsAStableSortByTime)
{
    std::vector<MidiEventList> lists(37);
    std::vector<std::pair<std::uint64_t, int>> expected;
    std::uint32_t seed = 7;
    for (std::size_t list = 0; list < lists.size(); ++list) {
        std::uint64_t time = 0;
        for (std::size_t i = 0; i < list % 11 * 7; ++i) {
            seed = seed * 1103515245u + 12345u;
            time += seed >> 29;  // 0..7: many equal times across lists
            lists[list].push_back(On(time, static_cast<std::uint8_t>(list)));
            expected.emplace_back(time, static_cast<int>(list));
        }
        if (list % 3 == 0)
            lists[list].push_back(Record(MidiKind::EndOfTrack, time + 1, {0}));
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    EXPECT_EQ(Order(Merge(lists)), expected);
}

TEST(MidiMerge, LeavesOutEndOfTrackRecordsWherefeverTheyAre)
{
    const MidiEventList playList = Merge({
        {Record(MidiKind::EndOfTrack, 0, {0}), On(0, 1), Record(MidiKind::EndOfTrack, 10, {0})},
        {On(5, 2), Record(MidiKind::EndOfTrack, 15, {0})},
    });
    EXPECT_EQ(Order(playList), (std::vector<std::pair<std::uint64_t, int>>{{0, 1}, {5, 2}}));
}

TEST(MidiMerge, CopiesRecordsWholeButTheirText)
{
    MidiEvent bar = Record(MidiKind::MeasureBar, 7, {'B', 'A', 'R'});
    bar.isMeasureBar = true;
    const MidiEventList playList = Merge({{Record(MidiKind::Controller, 3, {7, 100}, 9)}, {bar}});
    ASSERT_EQ(playList.size(), 3u);
    EXPECT_EQ(playList[1].channel, 9);
    EXPECT_EQ(playList[1].data, (MidiBytes{7, 100}));
    EXPECT_TRUE(playList[2].isMeasureBar);
    EXPECT_EQ(playList[2].delta, 4u);
}

TEST(MidiMerge, NoteDurationsRunToTheMatchingNoteOff)
{
    const MidiEventList playList = Merge({
        {On(0, 60), On(10, 64, 100, 1), Off(100, 60), On(100, 60, 0, 1), On(120, 60),
         On(200, 60, 0), On(300, 62), Off(350, 62), Off(400, 62)},
        {Off(50, 64, 1), On(50, 64, 100, 2)},
    });
    const auto duration = [&](std::uint64_t time, int note, int channel) {
        for (const MidiEvent& event : playList)
            if (event.kind == MidiKind::NoteOn && event.time == time && event.data[0] == note
                && event.channel == channel)
                return event.duration;
        return std::uint64_t{12345};
    };
    EXPECT_EQ(duration(0, 60, 0), 100u);
    EXPECT_EQ(duration(10, 64, 1), 40u) << "ends at a note off on its own channel only";
    EXPECT_EQ(duration(120, 60, 0), 80u) << "a note on with velocity 0 ends a note";
    EXPECT_EQ(duration(100, 60, 1), 0u) << "velocity 0 starts nothing";
    EXPECT_EQ(duration(50, 64, 2), 0u) << "never ended";
    EXPECT_EQ(duration(300, 62, 0), 100u) << "a second note off lengthens the note again";
}

}  // namespace

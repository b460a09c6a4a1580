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

// A file whose tracks are `lists`, merged.
MidiFile Merge(const std::vector<MidiEventList>& lists)
{
    MidiFile file;
    file.records.push_back(MergeStartRecord());
    for (const MidiEventList& list : lists) {
        MidiTrack& track = file.tracks.emplace_back();
        track.first = file.records.size();
        track.count = list.size();
        file.records.insert(file.records.end(), list.begin(), list.end());
    }
    file.playList = MergeTracks(file);
    return file;
}

// The play list as (time, first data byte) pairs, merge start left out.
std::vector<std::pair<std::uint64_t, int>> Order(const PlayList& playList)
{
    std::vector<std::pair<std::uint64_t, int>> order;
    for (std::size_t i = 1; i < playList.size(); ++i)
        order.emplace_back(playList[i].time, playList[i].data.empty() ? -1 : playList[i].data[0]);
    return order;
}

TEST(MidiMerge, StartsWithTheMergeStartRecord)
{
    const MidiFile file = Merge({});
    const PlayList& playList = file.playList;
    ASSERT_EQ(playList.size(), 1u);
    EXPECT_EQ(playList[0].kind, 1u);
    EXPECT_EQ(playList[0].data, (MidiBytes{'M', 'e', 'r', 'g', 'e'}));
}

TEST(MidiMerge, OrdersByTimeThenByList)
{
    const MidiFile file = Merge({
        {On(0, 1), On(10, 2), On(10, 3), On(30, 4)},
        {On(0, 5), On(5, 6), On(10, 7), On(31, 8)},
        {On(10, 9), On(29, 10)},
    });
    const PlayList& playList = file.playList;
    EXPECT_EQ(Order(playList), (std::vector<std::pair<std::uint64_t, int>>{
                                   {0, 1}, {0, 5}, {5, 6}, {10, 2}, {10, 3}, {10, 7}, {10, 9},
                                   {29, 10}, {30, 4}, {31, 8}}));
    EXPECT_EQ(playList.Delta(3), 5u);
    EXPECT_EQ(playList.Delta(10), 1u) << "a record's delta in the play list is from the record before it there";
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
    EXPECT_EQ(Order(Merge(lists).playList), expected);
}

TEST(MidiMerge, LeavesOutEndOfTrackRecordsWherefeverTheyAre)
{
    const MidiFile file = Merge({
        {Record(MidiKind::EndOfTrack, 0, {0}), On(0, 1), Record(MidiKind::EndOfTrack, 10, {0})},
        {On(5, 2), Record(MidiKind::EndOfTrack, 15, {0})},
    });
    EXPECT_EQ(Order(file.playList), (std::vector<std::pair<std::uint64_t, int>>{{0, 1}, {5, 2}}));
}

TEST(MidiMerge, RefersToTheRecordsThemselves)
{
    MidiEvent bar = Record(MidiKind::MeasureBar, 7, {'B', 'A', 'R'});
    bar.isMeasureBar = true;
    MidiFile file = Merge({{Record(MidiKind::Controller, 3, {7, 100}, 9)}});
    file.measureTrack = {bar};
    file.playList = MergeTracks(file);
    const PlayList& playList = file.playList;
    ASSERT_EQ(playList.size(), 3u);
    EXPECT_EQ(&playList[1], &file.records[1]) << "not a copy";
    EXPECT_EQ(playList[1].channel, 9u);
    EXPECT_EQ(playList[1].data, (MidiBytes{7, 100}));
    EXPECT_EQ(&playList[2], &file.measureTrack[0]);
    EXPECT_TRUE(playList[2].isMeasureBar);
    EXPECT_EQ(playList.Delta(2), 4u);
}

TEST(MidiMerge, NoteDurationsRunToTheMatchingNoteOff)
{
    const MidiFile file = Merge({
        {On(0, 60), On(10, 64, 100, 1), Off(100, 60), On(100, 60, 0, 1), On(120, 60),
         On(200, 60, 0), On(300, 62), Off(350, 62), Off(400, 62)},
        {Off(50, 64, 1), On(50, 64, 100, 2)},
    });
    const PlayList& playList = file.playList;
    const auto duration = [&](std::uint64_t time, int note, int channel) {
        for (const MidiEvent& event : playList)
            if (event.kind == MidiKind::NoteOn && event.time == time && event.data[0] == note
                && event.channel == static_cast<unsigned>(channel))
                return event.duration;
        return std::uint32_t{12345};
    };
    EXPECT_EQ(duration(0, 60, 0), 100u);
    EXPECT_EQ(duration(10, 64, 1), 40u) << "ends at a note off on its own channel only";
    EXPECT_EQ(duration(120, 60, 0), 80u) << "a note on with velocity 0 ends a note";
    EXPECT_EQ(duration(100, 60, 1), 0u) << "velocity 0 starts nothing";
    EXPECT_EQ(duration(50, 64, 2), 0u) << "never ended";
    EXPECT_EQ(duration(300, 62, 0), 100u) << "a second note off lengthens the note again";
}

}  // namespace

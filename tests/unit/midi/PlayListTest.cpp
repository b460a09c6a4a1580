#include <gtest/gtest.h>

#include <vector>

#include "midi/PlayList.h"

namespace {

MidiEvent At(std::uint64_t time, std::uint8_t note)
{
    MidiEvent event;
    event.kind = MidiKind::NoteOn;
    event.time = time;
    event.data = MidiBytes{note, 100};
    return event;
}

std::vector<int> Notes(const PlayList& list)
{
    std::vector<int> notes;
    for (const MidiEvent& event : list)
        notes.push_back(event.data[0]);
    return notes;
}

}  // namespace

TEST(PlayListTest, AnOrderCountsTheRecordsThenTheMoreAfterThemAndDeltasFollowTheOrder)
{
    const MidiEventList records{At(0, 1), At(10, 2), At(30, 3)};
    const MidiEventList more{At(20, 4)};
    const PlayList list(records, more, {0, 1, 3, 2});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(Notes(list), (std::vector<int>{1, 2, 4, 3}));
    EXPECT_EQ(&list[2], &more[0]) << "the records themselves, not copies";
    EXPECT_EQ(list.Source(2), 3u);
    EXPECT_EQ(list.Delta(0), 0u);
    EXPECT_EQ(list.Delta(2), 10u);
    EXPECT_EQ(list.Delta(3), 10u) << "from the entry before it, not the record before it in its list";
}

TEST(PlayListTest, AListInItsOwnOrderAndAMovedPlayListStayValid)
{
    MidiEventList records{At(5, 1), At(7, 2)};
    PlayList list = PlayList::InOrder(records);
    EXPECT_EQ(list.Delta(0), 5u) << "the first record's delta is its time";
    EXPECT_EQ(list.Delta(1), 2u);
    const MidiEventList moved = std::move(records);
    const PlayList kept = std::move(list);
    EXPECT_EQ(&kept[1], &moved[1]) << "a vector moved with its play list keeps its records where they were";
    EXPECT_TRUE(PlayList().empty());
}

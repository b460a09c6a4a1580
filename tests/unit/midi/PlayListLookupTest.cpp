#include <gtest/gtest.h>

#include <string>

#include "SmfBuilder.h"
#include "midi/MidiListing.h"
#include "midi/MidiLoader.h"
#include "midi/MidiMerge.h"
#include "midi/MidiPlayer.h"
#include "midi/PlayListLookup.h"

namespace {

const MidiPlayer& Player()
{
    static const MidiPlayer player;
    return player;
}

// Division 96: 4/4 bars of 384 ticks up to tick 768, 3/4 bars of 288 after.
// A note sounds from bar 2 into bar 3; markers lead their bar line by 5 ticks.
Bytes ChangingMeter()
{
    return Smf(0, 96, {TrackBody()
                           .Meta(0, 0x58, {4, 2, 24, 8})    // [0] tick 0
                           .Event(0, {0x90, 60, 100})      // [1] 0, bar 1
                           .Event(400, {0x90, 62, 100})    // [2] 400, bar 2
                           .Meta(368, 0x58, {3, 2, 24, 8})  // [3] 768, bar 3
                           .Event(32, {0x80, 62, 0})       // [4] 800, bar 3
                           .Event(300, {0x90, 64, 100})    // [5] 1100, bar 4
                           .Event(300, {0x80, 64, 0})      // [6] 1400, bar 5
                           .End()});                       // [7]
}

// Head lines of a one-track file: path, header line, track line, empty line.
constexpr std::size_t kFirstRecordLine = 4;

// The bar a play list index starts: 1 plus the markers up to it.
int BarAt(const PlayList& playList, std::size_t index)
{
    int bar = 1;
    for (std::size_t i = 0; i <= index; ++i)
        bar += playList[i].isMeasureBar;
    return bar;
}

TEST(PlayListLookup, MarkerLinesNumberTheBarsAcrossATimeSignatureChange)
{
    const MidiFile file = LoadMidiFile(ChangingMeter(), Player());
    const MidiListing listing(file, Player(), "m.mid");
    const std::size_t measureHead = kFirstRecordLine + file.tracks[0].count + 1;
    EXPECT_EQ(listing[measureHead], "000000 00000 Meta Measure Track");
    EXPECT_EQ(listing[measureHead + 1], "000384 00384 Measure Bar Marker  bar 2");
    EXPECT_EQ(listing[measureHead + 2], "000768 00384 Measure Bar Marker  bar 3");
    EXPECT_EQ(listing[measureHead + 3], "001056 00288 Measure Bar Marker  bar 4");
    EXPECT_EQ(listing[measureHead + 4], "001344 00288 Measure Bar Marker  bar 5");
    EXPECT_EQ(listing[measureHead + 5], "") << "bars stop short of the end once a time signature is set";
    EXPECT_EQ(listing.size(), measureHead + 6);
}

TEST(PlayListLookup, RecordLinesPlayFromTheStartOfTheirBar)
{
    const MidiFile file = LoadMidiFile(ChangingMeter(), Player());
    const MidiListing listing(file, Player(), "m.mid");
    const auto barOfLine = [&](std::size_t line) {
        const std::optional<std::size_t> start = PlayStartForLine(file, listing, line);
        return start ? BarAt(file.playList, *start) : 0;
    };
    EXPECT_EQ(barOfLine(kFirstRecordLine + 1), 1);
    EXPECT_EQ(PlayStartForLine(file, listing, kFirstRecordLine + 1), 0u) << "the first bar starts the list";
    EXPECT_EQ(barOfLine(kFirstRecordLine + 2), 2);
    EXPECT_EQ(barOfLine(kFirstRecordLine + 3), 3) << "the time signature at the bar line";
    EXPECT_EQ(barOfLine(kFirstRecordLine + 4), 3) << "the note off of a note held across the bar line";
    EXPECT_EQ(barOfLine(kFirstRecordLine + 5), 4);
    EXPECT_EQ(barOfLine(kFirstRecordLine + 6), 5);

    const std::size_t measureHead = kFirstRecordLine + file.tracks[0].count + 1;
    EXPECT_EQ(PlayStartForLine(file, listing, measureHead), 0u);
    for (std::size_t bar = 2; bar <= 5; ++bar) {
        const std::optional<std::size_t> start = PlayStartForLine(file, listing, measureHead + bar - 1);
        ASSERT_TRUE(start) << "bar " << bar;
        EXPECT_TRUE(file.playList[*start].isMeasureBar);
        EXPECT_EQ(BarAt(file.playList, *start), static_cast<int>(bar));
    }
}

TEST(PlayListLookup, LinesWithoutAPlayedRecordStartNothing)
{
    const MidiFile file = LoadMidiFile(ChangingMeter(), Player());
    const MidiListing listing(file, Player(), "m.mid");
    for (std::size_t line = 0; line < kFirstRecordLine; ++line)
        EXPECT_FALSE(PlayStartForLine(file, listing, line)) << "head line " << line;
    EXPECT_FALSE(PlayStartForLine(file, listing, kFirstRecordLine + 7)) << "End of Track";
    EXPECT_FALSE(PlayStartForLine(file, listing, kFirstRecordLine + 8)) << "the empty line after the track";
    EXPECT_FALSE(PlayStartForLine(file, listing, listing.size() - 1));
    EXPECT_FALSE(PlayStartForLine(file, listing, listing.size()));

    const MidiFile rejected = LoadMidiFile(Chunk("RIFF", {1, 2}), Player());
    const MidiListing rejectedListing(rejected, Player(), "r.mid");
    for (std::size_t line = 0; line <= rejectedListing.size(); ++line)
        EXPECT_FALSE(PlayStartForLine(rejected, rejectedListing, line));
}

// Every listed record but End of Track is found where the merge put it, and back.
TEST(PlayListLookup, EachRecordMapsToItsPlaceInTheMergedListAndBack)
{
    const Bytes bytes = Smf(1, 96, {TrackBody().Event(0, {0x90, 60, 1}).Event(96, {0x90, 61, 2}).End(50),
                                    TrackBody().Event(0, {0x90, 70, 3}).Event(96, {0x90, 71, 4})
                                        .Event(200, {0x90, 72, 5}).End(),
                                    TrackBody().Event(96, {0xC0, 7}).End()});
    const MidiFile file = LoadMidiFile(bytes, Player());
    std::vector<bool> taken(file.playList.size());
    const std::vector<std::span<const MidiEvent>> sources = PlayListSources(file);
    for (std::size_t list = 0; list < sources.size(); ++list) {
        for (std::size_t index = 0; index < sources[list].size(); ++index) {
            const MidiEvent& source = sources[list][index];
            const std::optional<std::size_t> position = PlayListIndexOf(file, {list, index});
            if (source.kind == MidiKind::EndOfTrack) {
                EXPECT_FALSE(position);
                continue;
            }
            ASSERT_TRUE(position) << list << "/" << index;
            EXPECT_EQ(&file.playList[*position], &source) << "the play list refers to the record itself";
            EXPECT_EQ(ListedRecordAt(file, *position), (ListedRecord{list, index}));
            EXPECT_FALSE(taken[*position]) << "two records at one place";
            taken[*position] = true;
        }
    }
    EXPECT_FALSE(taken[0]) << "the merge start comes from no list";
    EXPECT_EQ(std::count(taken.begin(), taken.end(), true), static_cast<long>(file.playList.size() - 1));
    EXPECT_FALSE(PlayListIndexOf(file, {sources.size(), 0}));
    EXPECT_FALSE(PlayListIndexOf(file, {0, 99}));
    EXPECT_FALSE(ListedRecordAt(file, 0)) << "the merge start is listed nowhere";
    EXPECT_FALSE(ListedRecordAt(file, file.playList.size()));
}

}  // namespace

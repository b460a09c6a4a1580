#include <gtest/gtest.h>

#include "SmfBuilder.h"
#include "midi/MidiLoader.h"
#include "midi/MidiMeasureTrack.h"
#include "midi/MidiPlayer.h"

namespace {

MidiFile Load(const Bytes& bytes)
{
    static const MidiPlayer player;
    return LoadMidiFile(bytes, player);
}

std::vector<std::string> Warnings(const MidiFile& file)
{
    std::vector<std::string> texts;
    for (const MidiNotice& notice : file.notices)
        if (notice.icon == MidiNoticeIcon::Warning)
            texts.push_back(notice.text);
    return texts;
}

TrackBody Notes()
{
    return std::move(TrackBody().Event(0, {0x90, 60, 100}).Event(480, {0x80, 60, 0}).End());
}

TEST(MidiLoader, RejectsFilesItCannotRead)
{
    const MidiFile badTag = Load(Chunk("RIFF", {0, 0, 0, 1, 0, 96}));
    EXPECT_EQ(Warnings(badTag), std::vector<std::string>{"Bad MIDI header - aborting..."});
    EXPECT_FALSE(badTag.parsed);
    EXPECT_EQ(badTag.notices.size(), 1u);

    Bytes shortHeader = Header(0, 1, 96);
    shortHeader.resize(10);
    EXPECT_EQ(Warnings(Load(shortHeader)), std::vector<std::string>{"Bad MIDI header - aborting..."});
    EXPECT_EQ(Warnings(Load({})), std::vector<std::string>{"Bad MIDI header - aborting..."});

    const MidiFile format2 = Load(Smf(2, 96, {Notes()}));
    EXPECT_EQ(Warnings(format2), std::vector<std::string>{"Not MIDI format 0 or 1; aborting..."});
    EXPECT_EQ(format2.format, 2);
    EXPECT_EQ(format2.trackCount(), 0u);

    Bytes badTrack = Smf(1, 96, {Notes()});
    Append(badTrack, {0x00, 0x01, 0x02, 0x03, 0, 0, 0, 0});
    badTrack[11] = 2;
    const MidiFile garbage = Load(badTrack);
    EXPECT_EQ(Warnings(garbage), std::vector<std::string>{"Bad MIDI track - aborting..."});
    EXPECT_EQ(garbage.trackCount(), 0u);
    EXPECT_FALSE(garbage.parsed);
}

TEST(MidiLoader, ReadsHeaderAndTracks)
{
    const Bytes bytes = Smf(1, 480, {Notes(), TrackBody().End()});
    const MidiFile file = Load(bytes);
    EXPECT_TRUE(Warnings(file).empty());
    EXPECT_TRUE(file.parsed);
    EXPECT_EQ(file.format, 1);
    EXPECT_EQ(file.division, 480u);
    EXPECT_EQ(file.totalBytes, bytes.size());
    ASSERT_EQ(file.trackCount(), 2u);
    EXPECT_EQ(file.tracks[0].length, Notes().bytes().size());
    EXPECT_EQ(file.tracks[1].count, 1u);
    EXPECT_EQ(file.lineCount, 5u + 3u + 1u);
}

TEST(MidiLoader, GivesRecordsAbsoluteTimes)
{
    const MidiFile file = Load(Smf(0, 96, {Notes()}));
    const std::span<const MidiEvent> events = file.TrackEvents(0);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[1].time, 480u);
    EXPECT_EQ(events[2].time, 490u);
}

TEST(MidiLoader, MergesTracksAndBarsIntoOnePlayList)
{
    // Division 96 in 3/4: bars every 288 ticks, markers 5 ticks early.
    const MidiFile file = Load(Smf(1, 96, {
        TrackBody().Meta(0, 0x58, {3, 2, 24, 8}).Meta(0, 0x51, {0x0F, 0x42, 0x40}).Text(283, "b2").End(),
        TrackBody().Event(0, {0x90, 60, 100}).Event(283, {0x80, 60, 0}).Event(0, {0x90, 62, 100}).End(),
    }));
    std::vector<std::pair<int, std::uint64_t>> order;
    for (const MidiEvent& event : file.playList)
        order.emplace_back(event.kind, event.time);
    EXPECT_EQ(order, (std::vector<std::pair<int, std::uint64_t>>{
                         {1, 0}, {0x58, 0}, {0x51, 0}, {0x90, 0}, {1, 0},
                         {0x01, 283}, {0x80, 283}, {0x90, 283}, {6, 283}}));
    EXPECT_EQ(file.playList[3].duration, 283u);
    // One second per quarter from the start: 283 ticks are 2947.9 ms.
    EXPECT_EQ(file.notices.back().text, " Merged 9 events, counted as 2948 ms running time, or 00:00:02 ");
}

TEST(MidiLoader, SummarisesProgramChangesOfEveryTrack)
{
    const MidiFile file = Load(Smf(1, 96, {TrackBody().Event(0, {0xC0, 1}).End(),
                                           TrackBody().Event(5, {0xC9, 0}).End()}));
    EXPECT_EQ(file.programSummary,
              "Channel Program Events:;000000 00000 Program: channel 1, number 1, Bright Acoustic Piano"
              ";000005 00005 Program: channel 10, number 0, Acoustic Grand Piano");
}

TEST(MidiLoader, ReportsTheMergeAsInformation)
{
    // 960 ticks at 480 per quarter and the default tempo last one second; the
    // bars run to 1920, less the lead of 28 ticks: 1970.8 ms.
    const MidiFile file = Load(Smf(0, 480, {TrackBody().Event(960, {0x90, 60, 1}).End()}));
    ASSERT_FALSE(file.notices.empty());
    const MidiNotice& last = file.notices.back();
    EXPECT_EQ(last.icon, MidiNoticeIcon::Information);
    EXPECT_EQ(last.text, " Merged 4 events, counted as 1971 ms running time, or 00:00:01 ");
}

TEST(MidiLoader, SkipsChunksOfOtherTypes)
{
    Bytes bytes = Header(1, 2, 96);
    Append(bytes, Chunk("XFIH", {1, 2, 3}));
    Append(bytes, Chunk("MTrk", Notes().bytes()));
    Append(bytes, Chunk("JUNK", {}));
    Append(bytes, Chunk("MTrk", TrackBody().End().bytes()));
    const MidiFile file = Load(bytes);
    EXPECT_TRUE(Warnings(file).empty());
    EXPECT_EQ(file.trackCount(), 2u);
    EXPECT_EQ(file.totalBytes, bytes.size());
}

TEST(MidiLoader, HonoursALongerHeader)
{
    Bytes bytes = Chunk("MThd", {0, 0, 0, 1, 0, 96, 0xAA, 0xBB});
    Append(bytes, Chunk("MTrk", Notes().bytes()));
    const MidiFile file = Load(bytes);
    EXPECT_TRUE(Warnings(file).empty());
    EXPECT_EQ(file.trackCount(), 1u);
}

TEST(MidiLoader, KeepsTheTracksOfAFileCutShort)
{
    const Bytes whole = Smf(1, 96, {Notes(), Notes()});
    for (std::size_t size = 14; size < whole.size(); ++size) {
        const MidiFile file = Load(Bytes(whole.begin(), whole.begin() + static_cast<long>(size)));
        EXPECT_TRUE(file.parsed) << size;
        EXPECT_FALSE(Warnings(file).empty()) << size;
        EXPECT_LE(file.totalBytes, size);
    }
    const Bytes cut(whole.begin(), whole.end() - 4);
    const MidiFile file = Load(cut);
    EXPECT_EQ(Warnings(file), std::vector<std::string>{"MIDI track 2 is cut short: 9 of 13 bytes read."});
    EXPECT_EQ(file.tracks[1].bytesRead, 9u);
    EXPECT_EQ(file.tracks[1].count, 2u);
}

TEST(MidiLoader, WarnsWhenAPayloadRunsPastTheEndOfItsTrack)
{
    TrackBody overrun = Notes();
    overrun.Raw({0, 0xFF, 0x01, 0x10, 'l', 'o', 's', 't'});
    const MidiFile file = Load(Smf(1, 96, {Notes(), overrun}));
    EXPECT_EQ(Warnings(file), std::vector<std::string>{"MIDI track 2 is cut short: 21 of 33 bytes read."});
    EXPECT_EQ(file.tracks[1].count, 3u) << "the records before it stay";

    const MidiFile intact = Load(Smf(1, 96, {Notes(), TrackBody(Notes()).Text(0, "kept")}));
    EXPECT_TRUE(Warnings(intact).empty());
}

TEST(MidiLoader, AFileCutInsideAPayloadWarnsOnce)
{
    const Bytes whole = Smf(0, 96, {TrackBody().Text(0, "a long text that the file loses").End()});
    const MidiFile file = Load(Bytes(whole.begin(), whole.end() - 10));
    EXPECT_EQ(Warnings(file), std::vector<std::string>{"MIDI track 1 is cut short: 29 of 39 bytes read."});
}

TEST(MidiLoader, HugeTrackLengthReadsOnlyWhatIsThere)
{
    Bytes bytes = Header(0, 1, 96);
    Append(bytes, {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFF});
    Append(bytes, Notes().bytes());
    const MidiFile file = Load(bytes);
    ASSERT_EQ(file.trackCount(), 1u);
    EXPECT_EQ(file.tracks[0].length, 0xFFFFFFFFu);
    EXPECT_EQ(file.tracks[0].bytesRead, Notes().bytes().size());
    EXPECT_EQ(file.tracks[0].count, 3u);
    EXPECT_EQ(Warnings(file), std::vector<std::string>{
                                  "MIDI track 1 is cut short: 13 of 4294967295 bytes read."});
}

TEST(MidiLoader, HeaderPromisingMoreTracksKeepsThoseThere)
{
    Bytes bytes = Smf(1, 96, {Notes()});
    bytes[11] = 3;
    const MidiFile file = Load(bytes);
    EXPECT_EQ(file.trackCount(), 1u);
    EXPECT_TRUE(file.parsed);
    EXPECT_EQ(Warnings(file),
              std::vector<std::string>{"MIDI file holds 1 of the 3 tracks its header declares."});
}

TEST(MidiLoader, ReadsMoreThan115Tracks)
{
    const MidiFile file = Load(Smf(1, 96, std::vector<TrackBody>(300, Notes())));
    EXPECT_EQ(file.trackCount(), 300u);
    EXPECT_TRUE(Warnings(file).empty());
    EXPECT_EQ(file.playList.size(), 1 + 300 * 2 + file.measureTrack.size());
}

TEST(MidiLoader, DivisionZeroLoadsWithoutTiming)
{
    const MidiFile file = Load(Smf(0, 0, {Notes()}));
    EXPECT_TRUE(file.parsed);
    EXPECT_EQ(Warnings(file),
              std::vector<std::string>{"MIDI division is 0: no measure bars and no running time."});
    EXPECT_EQ(file.measureTrack.size(), 1u);
    EXPECT_EQ(file.notices.back().text, " Merged 4 events, counted as 0 ms running time, or 00:00:00 ");
}

TEST(MidiLoader, WarnsWhenBarsRunOut)
{
    const MidiFile file = Load(Smf(0, 1, {TrackBody().Event(0x0FFFFFFF, {0x90, 60, 1}).End()}));
    EXPECT_EQ(file.measureTrack.size(), 1 + kMaxMeasureBars);
    EXPECT_EQ(Warnings(file),
              std::vector<std::string>{"Too many measures: bar markers end after 20000 bars."});
}

}  // namespace

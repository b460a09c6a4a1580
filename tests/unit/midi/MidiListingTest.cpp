#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SmfBuilder.h"
#include "midi/MidiExamine.h"
#include "midi/MidiListing.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"

namespace {

const MidiPlayer& Player()
{
    static const MidiPlayer player;
    return player;
}

// The lines as a walk over the listing gives them, each checked against
// what random access (as the view draws) gives for the same line.
std::vector<std::string> Lines(const MidiListing& listing)
{
    std::vector<std::string> lines;
    listing.ForEachLine([&](std::string_view line) {
        EXPECT_EQ(listing[lines.size()], line) << "line " << lines.size();
        lines.emplace_back(line);
    });
    EXPECT_EQ(lines.size(), listing.size());
    return lines;
}

TEST(MidiListing, FormatZeroFileListsHeadThenRecords)
{
    const Bytes bytes = Smf(0, 480, {TrackBody().Event(480, {0x90, 60, 100}).End()});
    const MidiFile file = LoadMidiFile(bytes, Player());
    const std::vector<std::string> expected{
        "/music/one.mid",
        "MThd :  format 0,  tracks 1,  divisions 480, total bytes 31",
        "MTrk :  # 1  track length 9 bytes",
        "",
        "000480 00480 NoteOn : channel  1, number  60, name  C, octave  5, velocity 100",
        "000490 00010 Meta End of Track",
        "",
        "000000 00000 Meta Measure Track",
        "001920 01920 Measure Bar Marker  bar 2",
        "",
    };
    EXPECT_EQ(Lines(MidiListing(file, Player(), "/music/one.mid")), expected);
    std::ostringstream out;
    WriteMidiListing(out, file, Player(), "/music/one.mid");
    std::string joined;
    for (const std::string& line : expected)
        joined += line + "\n";
    EXPECT_EQ(out.str(), joined);
}

TEST(MidiListing, EveryTrackEndsWithAnEmptyLineEvenWithoutRecords)
{
    TrackBody empty;
    const Bytes bytes = Smf(1, 96, {TrackBody().Text(0, "one").End(), empty,
                                    TrackBody().Event(1, {0xC0, 0}).End(), TrackBody().End()});
    const MidiFile file = LoadMidiFile(bytes, Player());
    const std::vector<std::string> lines = Lines(MidiListing(file, Player(), "t.mid"));
    const std::vector<std::string> body(lines.begin() + 7, lines.end());
    EXPECT_EQ(body, (std::vector<std::string>{
                        "000000 00000 Meta Text: one",
                        "000010 00010 Meta End of Track",
                        "",
                        "",
                        "000001 00001 Program: channel 1, number 0, Acoustic Grand Piano",
                        "000011 00010 Meta End of Track",
                        "",
                        "000010 00010 Meta End of Track",
                        "",
                        "000000 00000 Meta Measure Track",
                        "000384 00384 Measure Bar Marker  bar 2",
                        "",
                    }));
    EXPECT_EQ(lines[6], "");
    EXPECT_TRUE(Lines(MidiListing()).empty());
}

TEST(MidiListing, RejectedFileListsPathAndHeaderLineOnly)
{
    const MidiFile file = LoadMidiFile(Chunk("RI\nF", {1, 2}), Player());
    EXPECT_EQ(Lines(MidiListing(file, Player(), "x.mid")),
              (std::vector<std::string>{"x.mid", "RI.F :  format 0,  tracks 0,  divisions 0, total bytes 10", ""}));
    const MidiFile format2 = LoadMidiFile(Smf(2, 96, {TrackBody().End()}), Player());
    EXPECT_EQ(Lines(MidiListing(format2, Player(), "y.mid"))[1], "MThd :  format 2,  tracks 0,  divisions 96, total bytes 14");
}

TEST(MidiListing, PlayListLinesGiveTimesKindChannelBytesAndDuration)
{
    const Bytes bytes = Smf(0, 96, {TrackBody().Event(0, {0x93, 60, 100}).Event(96, {0x83, 60, 0}).End()});
    const MidiFile file = LoadMidiFile(bytes, Player());
    std::ostringstream out;
    WritePlayList(out, file.playList);
    EXPECT_EQ(out.str(),
              "0 0 01 0 4D65726765 0\n"
              "0 0 90 3 3C64 96\n"
              "0 0 01 0 54696D6573 0\n"
              "96 96 80 3 3C00 0\n"
              "379 283 06 0 424152 0\n");
}

TEST(MidiExamine, ReadsFilesAndTellsUnreadableOnes)
{
    const auto dir = std::filesystem::temp_directory_path() / ("morvix_midi_examine-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = (dir / "a.mid").string();
    const Bytes bytes = Smf(0, 96, {TrackBody().End()});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    const MidiExamination examined = ExamineMidiFile(path, Player());
    EXPECT_TRUE(examined.readable);
    EXPECT_TRUE(examined.file.parsed);
    EXPECT_FALSE(ExamineMidiFile((dir / "missing.mid").string(), Player()).readable);
    EXPECT_FALSE(ExamineMidiFile(dir.string(), Player()).readable);
    std::filesystem::remove_all(dir);
}

}  // namespace

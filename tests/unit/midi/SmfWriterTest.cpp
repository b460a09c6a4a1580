#include <gtest/gtest.h>

#include "SmfBuilder.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "midi/MidiTiming.h"
#include "midi/SmfWriter.h"

namespace {

// A recorder's list: the start marker, then notes with deltas in milliseconds.
class Recording {
public:
    Recording()
    {
        MidiEvent marker;
        marker.kind = 255;
        marker.data = MidiBytes{42};
        events.push_back(marker);
    }
    Recording& Note(std::uint64_t delta, int kind, std::uint8_t note, std::uint8_t velocity = 100)
    {
        MidiEvent event;
        event.kind = static_cast<std::uint8_t>(kind);
        event.data = MidiBytes{note, velocity};
        event.time = events.back().time + delta;
        events.push_back(event);
        return *this;
    }
    MidiEventList events;
};

Bytes Track(const Bytes& file)
{
    return Bytes(file.begin() + 14, file.end());
}

// Tempo and program change at time 0, as every written file starts.
TrackBody Opening(std::uint8_t program = 0)
{
    return std::move(TrackBody().Meta(0, 0x51, {0x07, 0xA1, 0x20}).Event(0, {0xC0, program}));
}

Bytes Written(std::uint32_t value)
{
    Bytes out;
    AppendVlq(out, value);
    return out;
}

struct Note {
    std::uint64_t ms;
    int kind;
    int note;
    bool operator==(const Note&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Note& n)
{
    return out << n.ms << " ms " << std::hex << n.kind << std::dec << " " << n.note;
}

// What the program's own loader reads back: the notes of the play list with
// their times in milliseconds.
std::vector<Note> ReadBack(const Bytes& file, std::string* programs = nullptr)
{
    static const MidiPlayer player;
    MidiFile loaded = LoadMidiFile(file, player);
    EXPECT_TRUE(loaded.parsed);
    EXPECT_EQ(loaded.format, 0);
    EXPECT_EQ(loaded.trackCount(), 1u);
    if (programs)
        *programs = loaded.programSummary;
    std::vector<Note> notes;
    MidiEventList upTo;
    for (const MidiEvent& event : loaded.playList) {
        upTo.push_back(event);
        if (event.kind == MidiKind::NoteOn || event.kind == MidiKind::NoteOff)
            notes.push_back({RunningTimeMs(PlayList::InOrder(upTo), loaded.division), static_cast<int>(event.kind),
                             event.data[0]});
    }
    return notes;
}

}  // namespace

TEST(SmfWriter, WritesHeaderTempoProgramNotesAndEndOfTrack)
{
    Recording recording;
    recording.Note(0, 0x90, 60).Note(300, 0x80, 60);
    const Bytes file = RecordingToSmf(recording.events, 0);

    TrackBody expected = Opening();
    expected.Event(0, {0x90, 60, 100}).Event(300, {0x80, 60, 100}).End();
    EXPECT_EQ(file, Smf(0, 500, {expected}));
    // Division 500 at 500000 microseconds per quarter: one tick per millisecond.
    EXPECT_EQ(Bytes(file.begin() + 12, file.begin() + 14), (Bytes{0x01, 0xF4}));
}

TEST(SmfWriter, AnEmptyRecordingStillMakesAPlayableFile)
{
    const Bytes expected = Smf(0, 500, {Opening().End()});
    EXPECT_EQ(RecordingToSmf(Recording().events, 0), expected);
    EXPECT_EQ(RecordingToSmf(MidiEventList(), 0), expected);
    EXPECT_TRUE(ReadBack(expected).empty());
}

TEST(SmfWriter, ThePianoOrAnyOtherProgramIsWrittenOnChannelOne)
{
    std::string programs;
    ReadBack(RecordingToSmf(Recording().events, 0), &programs);
    EXPECT_EQ(programs, "Channel Program Events:;000000 00000 Program: channel 1, number 0, Acoustic Grand Piano");
    EXPECT_EQ(Track(RecordingToSmf(Recording().events, 40)), Chunk("MTrk", Opening(40).End().bytes()));
}

TEST(SmfWriter, VariableLengthQuantitiesAtEveryByteBoundary)
{
    EXPECT_EQ(Written(0), (Bytes{0x00}));
    EXPECT_EQ(Written(127), (Bytes{0x7F}));
    EXPECT_EQ(Written(128), (Bytes{0x81, 0x00}));
    EXPECT_EQ(Written(16383), (Bytes{0xFF, 0x7F}));
    EXPECT_EQ(Written(16384), (Bytes{0x81, 0x80, 0x00}));
    EXPECT_EQ(Written(2097151), (Bytes{0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(Written(2097152), (Bytes{0x81, 0x80, 0x80, 0x00}));
    EXPECT_EQ(Written(kMaxVlq), (Bytes{0xFF, 0xFF, 0xFF, 0x7F}));

    Recording recording;
    recording.Note(0, 0x90, 60).Note(127, 0x80, 60).Note(128, 0x90, 62).Note(16383, 0x80, 62);
    recording.Note(16384, 0x90, 64).Note(0, 0x80, 64);
    TrackBody expected = Opening();
    expected.Event(0, {0x90, 60, 100}).Raw({0x7F, 0x80, 60, 100}).Raw({0x81, 0x00, 0x90, 62, 100});
    expected.Raw({0xFF, 0x7F, 0x80, 62, 100}).Raw({0x81, 0x80, 0x00, 0x90, 64, 100}).Event(0, {0x80, 64, 100});
    EXPECT_EQ(RecordingToSmf(recording.events, 0), Smf(0, 500, {expected.End()}));
}

TEST(SmfWriter, TheProgramsOwnLoaderReadsTheSameNotesAtTheSameMilliseconds)
{
    Recording recording;
    recording.Note(0, 0x90, 48).Note(250, 0x90, 50).Note(100, 0x80, 48).Note(16384, 0x80, 50);
    recording.Note(7, 0x90, 88).Note(128, 0x80, 88);
    const std::vector<Note> expected{{0, 0x90, 48},    {250, 0x90, 50},     {350, 0x80, 48},
                                     {16734, 0x80, 50}, {16741, 0x90, 88}, {16869, 0x80, 88}};
    EXPECT_EQ(ReadBack(RecordingToSmf(recording.events, 0)), expected);
}

TEST(SmfWriter, ANoteStillHeldIsReleasedAtTheEnd)
{
    Recording recording;
    recording.Note(0, 0x90, 60).Note(10, 0x90, 64).Note(20, 0x80, 60);
    const std::vector<Note> expected{{0, 0x90, 60}, {10, 0x90, 64}, {30, 0x80, 60}, {30, 0x80, 64}};
    EXPECT_EQ(ReadBack(RecordingToSmf(recording.events, 0)), expected);
}

TEST(SmfWriter, AGapLongerThanOneQuantityKeepsItsLength)
{
    Recording recording;
    const std::uint64_t gap = std::uint64_t{kMaxVlq} * 2 + 5;
    recording.Note(0, 0x90, 60).Note(gap, 0x80, 60);
    TrackBody expected = Opening();
    expected.Event(0, {0x90, 60, 100}).Text(kMaxVlq, "").Text(kMaxVlq, "").Event(5, {0x80, 60, 100});
    EXPECT_EQ(RecordingToSmf(recording.events, 0), Smf(0, 500, {expected.End()}));
}

TEST(SmfWriter, TheStartMarkersDelayIsKept)
{
    Recording recording;
    recording.events.front().time = 40;
    recording.Note(5, 0x90, 60);
    const Bytes track = Track(RecordingToSmf(recording.events, 0));
    EXPECT_EQ(track, Chunk("MTrk", Opening().Event(45, {0x90, 60, 100}).Event(0, {0x80, 60, 64}).End().bytes()));
}

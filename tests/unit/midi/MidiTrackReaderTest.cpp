#include <gtest/gtest.h>

#include "ListedRecords.h"
#include "SmfBuilder.h"
#include "midi/MidiTrackReader.h"

namespace {

std::vector<ListedLine> Read(const TrackBody& body)
{
    return Listed(ReadTrack(body.bytes()).events);
}

std::vector<std::string> Texts(const std::vector<ListedLine>& events)
{
    std::vector<std::string> texts;
    for (const ListedLine& event : events)
        texts.push_back(event.text);
    return texts;
}

TEST(MidiTrackReader, DescribesChannelMessages)
{
    const auto events = Read(TrackBody()
                                 .Event(480, {0x90, 60, 100})
                                 .Event(0, {0x85, 69, 64})
                                 .Event(1, {0xA1, 60, 10})
                                 .Event(0, {0xB2, 7, 100})
                                 .Event(0, {0xC3, 0})
                                 .Event(0, {0xCF, 127})
                                 .Event(0, {0xD4, 5})
                                 .Event(2, {0xEF, 0, 64}));
    EXPECT_EQ(Texts(events),
              (std::vector<std::string>{
                  "000480 00480 NoteOn : channel  1, number  60, name  C, octave  5, velocity 100",
                  "000480 00000 NoteOff: channel  6, number  69, name  A, octave  5, velocity  64",
                  "000481 00001 Pressure",
                  "000481 00000 Parameter",
                  "000481 00000 Program: channel 4, number 0, Acoustic Grand Piano",
                  "000481 00000 Program: channel 16, number 127, Gunshot",
                  "000481 00000 Channel Pressure",
                  "000483 00002 Pitch Bend",
              }));
    EXPECT_EQ(events[0].kind, 0x90);
    EXPECT_EQ(events[0].channel, 0);
    EXPECT_EQ(events[0].data, (MidiBytes{60, 100}));
    EXPECT_EQ(events[4].data, (MidiBytes{0}));
    EXPECT_EQ(events[7].channel, 15);
}

TEST(MidiTrackReader, DescribesMetaEvents)
{
    const auto events = Read(TrackBody()
                                 .Meta(0, 0x00, {0x01, 0x02})
                                 .Text(0, "Piano")
                                 .Meta(0, 0x05, {'l', 'a'})
                                 .Meta(0, 0x51, {0x07, 0xA1, 0x20})
                                 .Meta(0, 0x54, {1, 2, 3, 4, 5})
                                 .Meta(0, 0x58, {6, 3, 24, 8})
                                 .Meta(0, 0x59, {0xFD, 1})
                                 .Meta(0, 0x7F, {0, 0, 0x41})
                                 .Meta(0, 0x60, {9})
                                 .Meta(0, 0x20, {3})
                                 .Meta(0, 0x21, {1})
                                 .End(0));
    EXPECT_EQ(Texts(events), (std::vector<std::string>{
                                 "000000 00000 Meta Sequence Number",
                                 "000000 00000 Meta Text: Piano",
                                 "000000 00000 Meta Text: la",
                                 "000000 00000 Set Tempo",
                                 "000000 00000 SMPTE Offset",
                                 "000000 00000 Time Signature: n = 6, d = 3, c = 24, b = 8",
                                 "000000 00000 Key Signature: sf = -3, mi = 1",
                                 "000000 00000 Meta Special",
                                 "000000 00000 Meta Miscelaneous",
                                 "000000 00000 Meta Channel",
                                 "000000 00000 Meta Port",
                                 "000010 00010 Meta End of Track",
                             }));
    EXPECT_EQ(events[0].data, (MidiBytes{0x02, 0x01})) << "sequence number is stored low byte first";
    EXPECT_EQ(events[2].kind, 0x05);
    EXPECT_EQ(events[3].data, (MidiBytes{0x07, 0xA1, 0x20}));
    EXPECT_EQ(events[9].data, (MidiBytes{3}));
    EXPECT_EQ(events[11].data, (MidiBytes{0}));
    for (const MidiEvent& event : events)
        EXPECT_EQ(event.channel, 15);
}

TEST(MidiTrackReader, CountsTicksWithEndOfTrackAsTen)
{
    const auto events =
        Read(TrackBody().Event(100, {0x90, 60, 1}).Event(20, {0x80, 60, 0}).End(960));
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[2].delta, 10u);
    EXPECT_EQ(events[2].text, "000130 00010 Meta End of Track");
}

TEST(MidiTrackReader, FixedSizeMetasAreZeroFilledFromShortPayloads)
{
    const auto events = Read(TrackBody()
                                 .Meta(0, 0x51, {0x07})
                                 .Meta(0, 0x58, {3})
                                 .Meta(0, 0x59, {})
                                 .Meta(0, 0x00, {0x05}));
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].data, (MidiBytes{0x07, 0, 0}));
    EXPECT_EQ(events[1].text, "000000 00000 Time Signature: n = 3, d = 0, c = 0, b = 0");
    EXPECT_EQ(events[2].data, (MidiBytes{0, 0}));
    EXPECT_EQ(events[3].data, (MidiBytes{0, 0x05}));
}

TEST(MidiTrackReader, TimeSignatureBytesAreUnsignedAndKeySignaturesSigned)
{
    const auto events = Read(TrackBody().Meta(0, 0x58, {0x80, 0x81, 0xFE, 0xB1}).Meta(0, 0x59, {0x80, 0xFF}));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text, "000000 00000 Time Signature: n = 128, d = 129, c = 254, b = 177");
    EXPECT_EQ(events[1].text, "000000 00000 Key Signature: sf = -128, mi = -1");
}

TEST(MidiTrackReader, TextStopsAtNulAndShowsControlBytesAsDots)
{
    const auto events = Read(TrackBody().Meta(0, 0x03, {'a', '\r', '\n', 'b', 0, 'c'})
                                 .Meta(0, 0x01, {0x1F, '~', 0x7F, ' ', 0x80, 0xE9}));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text, "000000 00000 Meta Text: a..b");
    EXPECT_EQ(events[0].data.size(), 6u) << "the payload itself is kept whole";
    EXPECT_EQ(events[1].text, "000000 00000 Meta Text: .~. \x80\xE9") << "DEL is a control byte too";
}

TEST(MidiTrackReader, RunningStatusRepeatsTheChannelMessage)
{
    const auto events = Read(TrackBody()
                                 .Event(0, {0x91, 60, 100})
                                 .Event(10, {62, 90})
                                 .Event(10, {60, 0})
                                 .Event(0, {0xC2, 5})
                                 .Event(5, {6}));
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[1].kind, 0x90);
    EXPECT_EQ(events[1].channel, 1);
    EXPECT_EQ(events[1].data, (MidiBytes{62, 90}));
    EXPECT_EQ(events[2].text,
              "000020 00010 NoteOn : channel  2, number  60, name  C, octave  5, velocity   0");
    EXPECT_EQ(events[4].kind, 0xC0);
    EXPECT_EQ(events[4].data, (MidiBytes{6}));
    EXPECT_EQ(events[4].delta, 5u);
}

TEST(MidiTrackReader, StrayDataBytesAreSkippedAndTheirTicksKept)
{
    // At the start of a track there is no status; after a meta or a system
    // exclusive event the status is cancelled.
    const auto events = Read(TrackBody()
                                 .Event(7, {60})
                                 .Event(3, {0x90, 60, 100})
                                 .Text(0, "x")
                                 .Event(5, {62})
                                 .Event(0, {0x90, 62, 100})
                                 .Event(0, {0xF0, 2, 0x7E, 0xF7})
                                 .Event(4, {64})
                                 .Event(1, {0x80, 60, 0}));
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].delta, 10u);
    EXPECT_EQ(events[2].kind, 0x90);
    EXPECT_EQ(events[2].delta, 5u);
    EXPECT_EQ(events[3].kind, 0xF0);
    EXPECT_EQ(events[4].kind, 0x80);
    EXPECT_EQ(events[4].delta, 5u);
    EXPECT_EQ(events[4].text.substr(0, 13), "000020 00005 ");
}

TEST(MidiTrackReader, SystemExclusiveKeepsPayloadAndEscapesAreDropped)
{
    const auto events = Read(TrackBody()
                                 .Event(2, {0xF0, 3, 0x7E, 0x7F, 0xF7})
                                 .Event(3, {0xF7, 2, 0x01, 0x02})
                                 .Event(4, {0x90, 60, 100}));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, 0xF0);
    EXPECT_EQ(events[0].channel, 15);
    EXPECT_EQ(events[0].data, (MidiBytes{0x7E, 0x7F, 0xF7}));
    EXPECT_EQ(events[0].text, "000002 00002 Sysex");
    EXPECT_EQ(events[1].delta, 7u) << "the escape packet's delta is not lost";
}

TEST(MidiTrackReader, DataBytesOf128OrMoreDropTheMessage)
{
    const auto events = Read(TrackBody()
                                 .Event(1, {0x90, 200, 100})
                                 .Event(1, {0x90, 60, 0x80})
                                 .Event(1, {0xC0, 0x81})
                                 .Event(1, {0x90, 61, 1}));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].data, (MidiBytes{61, 1}));
    EXPECT_EQ(events[0].delta, 4u);
}

TEST(MidiTrackReader, MetaTypesOf128OrMoreMakeNoRecord)
{
    // A meta type of 0x90 must not pass for a note on.
    const auto events = Read(TrackBody().Meta(3, 0x90, {1}).Event(1, {0x90, 60, 1}));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, 0x90);
    EXPECT_EQ(events[0].channel, 0);
    EXPECT_EQ(events[0].delta, 4u);
}

TEST(MidiTrackReader, PortAndChannelPrefixesKeepTheirDelta)
{
    const auto events =
        Read(TrackBody().Meta(30, 0x21, {0}).Meta(20, 0x20, {1}).Event(10, {0x90, 60, 1}));
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].delta, 30u);
    EXPECT_EQ(events[1].delta, 20u);
    EXPECT_EQ(events[2].text.substr(0, 13), "000060 00010 ");
}

TEST(MidiTrackReader, QuantitiesLongerThanFourBytesAreClamped)
{
    TrackBody body;
    body.Raw({0x81, 0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 1}).Event(1, {0x80, 60, 0});
    const auto events = Read(body);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].delta, 0x0FFFFFFFu);
    EXPECT_EQ(events[1].delta, 1u);
    EXPECT_EQ(Read(TrackBody().Event(0x0FFFFFFF, {0xC0, 1}))[0].delta, 0x0FFFFFFFu);
}

TEST(MidiTrackReader, EventsCutByTheEndOfTheBodyMakeNoRecord)
{
    const auto whole = TrackBody().Event(1, {0x90, 60, 100}).Text(2, "hello").bytes();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const auto events = ReadTrack(std::span(whole.data(), size)).events;
        EXPECT_EQ(events.size(), size >= 4 ? 1u : 0u) << "cut at " << size;
    }
    EXPECT_TRUE(Read(TrackBody().Raw({0x81, 0x82})).empty()) << "unterminated quantity";
}

TEST(MidiTrackReader, LengthsPastTheEndOfTheBodyEndTheTrackAndTellWhereTheyWouldEnd)
{
    TrackBody meta;
    meta.Event(0, {0x90, 60, 1}).Raw({0, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 0x00, 0x90, 61, 1});
    const TrackReading metaReading = ReadTrack(meta.bytes());
    EXPECT_EQ(metaReading.events.size(), 1u);
    EXPECT_EQ(metaReading.overrunEnd, 11u + 0x1FFFFFF);
    TrackBody sysex;
    sysex.Raw({0, 0xF0, 0x06, 0x01, 0x00, 0x90, 61, 1});
    const TrackReading sysexReading = ReadTrack(sysex.bytes());
    EXPECT_TRUE(sysexReading.events.empty());
    EXPECT_EQ(sysexReading.overrunEnd, 9u);
    TrackBody escape;
    escape.Raw({0, 0xF7, 0x09, 0x01, 0x00, 0x90, 61, 1});
    EXPECT_TRUE(Read(escape).empty());
    EXPECT_EQ(ReadTrack(escape.bytes()).overrunEnd, 12u);
    TrackBody exact;
    exact.Text(0, "ab").Raw({0, 0xFF, 0x01, 0x01, 'c'});
    EXPECT_EQ(ReadTrack(exact.bytes()).overrunEnd, 0u) << "a payload ending with the body fits";
}

TEST(MidiTrackReader, SystemCommonStatusBytesAreSkipped)
{
    const auto events = Read(TrackBody().Event(1, {0xF3}).Event(2, {0xF8}).Event(3, {0x90, 60, 1}));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].delta, 6u);
}

TEST(MidiTrackReader, ReadsOnAfterEndOfTrack)
{
    const auto events = Read(TrackBody().End(0).Event(5, {0x90, 60, 1}));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].text.substr(0, 13), "000015 00005 ");
}

}  // namespace

#include <gtest/gtest.h>

#include "SmfBuilder.h"
#include "midi/MidiRecordCount.h"
#include "midi/MidiTrackReader.h"

namespace {

std::size_t Records(const Bytes& body)
{
    return ReadTrack(body).events.size();
}

TEST(MidiRecordCount, CountsWellFormedBodiesExactly)
{
    const TrackBody body = std::move(TrackBody()
                                         .Event(0, {0x90, 60, 100})
                                         .Event(10, {61, 100})
                                         .Event(0, {0xC3, 5})
                                         .Event(0, {7})
                                         .Text(5, "hello")
                                         .Raw({0x00, 0xF0, 0x02, 0x01, 0x02})
                                         .Raw({0x00, 0xF7, 0x01, 0x05})
                                         .Event(300, {0x80, 60, 0})
                                         .End());
    EXPECT_EQ(CountTrackRecords(body.bytes()), 8u);
    EXPECT_EQ(CountTrackRecords(body.bytes()), Records(body.bytes()));
    EXPECT_EQ(CountTrackRecords({}), 0u);
}

TEST(MidiRecordCount, NeverCountsFewerThanAreRead)
{
    std::uint32_t seed = 99;
    for (int round = 0; round < 3000; ++round) {
        Bytes body;
        const std::size_t size = round % 60;
        for (std::size_t i = 0; i < size; ++i) {
            seed = seed * 1103515245u + 12345u;
            // Mostly small bytes with a fair share of status bytes.
            const std::uint8_t byte = static_cast<std::uint8_t>(seed >> 24);
            body.push_back(seed & 0x10000 ? byte & 0x7F : byte | 0x80);
        }
        ASSERT_GE(CountTrackRecords(body), Records(body)) << "round " << round;
    }
}

TEST(MidiRecordCount, CountsCutEventsOut)
{
    const Bytes cut = {0x00, 0x90, 60, 100, 0x00, 0x90, 61};
    EXPECT_EQ(CountTrackRecords(cut), 1u);
    const Bytes longMeta = {0x00, 0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0xFF, 0x7F, 'a'};
    EXPECT_EQ(CountTrackRecords(longMeta), 0u);
}

}  // namespace

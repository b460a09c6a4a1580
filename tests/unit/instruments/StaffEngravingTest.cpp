// The engraving rules on their own: stems by the middle line, ledger lines
// out to the note on either staff of the grand staff, and accidentals held
// on their row until the bar line.
#include <gtest/gtest.h>

#include "instruments/StaffEngraving.h"

TEST(StaffEngraving, StemsPointDownFromTheMiddleLineUp)
{
    StaffRows single;
    EXPECT_TRUE(single.StemDown(11)) << "on the middle line";
    EXPECT_TRUE(single.StemDown(3));
    EXPECT_FALSE(single.StemDown(12));
    StaffRows grand{true};
    EXPECT_FALSE(grand.StemDown(17)) << "middle C, under the treble staff";
    EXPECT_TRUE(grand.StemDown(23)) << "the bass staff's middle line";
    EXPECT_FALSE(grand.StemDown(24));
}

TEST(StaffEngraving, LedgerLinesReachEveryStepOutToTheNote)
{
    StaffRows single;
    EXPECT_TRUE(single.LedgerRows(7).empty());
    EXPECT_TRUE(single.LedgerRows(16).empty()) << "the space just below the staff";
    EXPECT_EQ(single.LedgerRows(17), (std::vector<int>{17}));
    EXPECT_EQ(single.LedgerRows(22), (std::vector<int>{17, 19, 21}));
    EXPECT_EQ(single.LedgerRows(2), (std::vector<int>{5, 3}));
    StaffRows grand{true};
    EXPECT_EQ(grand.LedgerRows(17), (std::vector<int>{17}));
    EXPECT_TRUE(grand.LedgerRows(18).empty()) << "B3 hangs from the bass staff";
    EXPECT_EQ(grand.LedgerRows(30), (std::vector<int>{29}));
}

TEST(StaffEngraving, AccidentalsFollowTheSignatureAndHoldUntilTheBarLine)
{
    std::array<NoteCell, 8> signature{};
    signature[0].Set("F#");
    AccidentalMemory memory(signature);
    EXPECT_FALSE(memory.Needed(7, 'F', 1)) << "the signature gives F#";
    EXPECT_EQ(memory.Needed(7, 'F', 0), 0) << "F natural is cancelled";
    EXPECT_FALSE(memory.Needed(7, 'F', 0)) << "and stays natural in the measure";
    EXPECT_FALSE(memory.Needed(14, 'F', 1)) << "another octave keeps the signature";
    EXPECT_EQ(memory.Needed(10, 'C', 1), 1);
    EXPECT_EQ(memory.Needed(10, 'C', -2), -2);
    memory.NewMeasure();
    EXPECT_FALSE(memory.Needed(7, 'F', 1));
    EXPECT_EQ(AlterationOf("Bbb"), -2);
    EXPECT_EQ(AlterationOf("C##"), 2);
    EXPECT_EQ(AlterationOf("E"), 0);
}

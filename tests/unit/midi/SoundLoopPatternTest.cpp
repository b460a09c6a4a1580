#include <gtest/gtest.h>

#include "midi/SoundLoopPattern.h"

namespace {

const ModelNotes kCMajor{0, {0, 2, 4, 5, 7, 9, 11}, false};

std::vector<int> Singles(const std::vector<LoopStep>& steps)
{
    std::vector<int> notes;
    for (const LoopStep& step : steps) {
        EXPECT_EQ(step.notes.size(), 1u);
        notes.push_back(step.notes.empty() ? -1 : step.notes.front());
    }
    return notes;
}

}  // namespace

TEST(SoundLoopPatternTest, TheTonicIsTheOneNearestMiddleCWithTheTritoneAbove)
{
    EXPECT_EQ(TonicNote(0), 60);
    EXPECT_EQ(TonicNote(5), 65);
    EXPECT_EQ(TonicNote(6), 66);
    EXPECT_EQ(TonicNote(7), 55);
    EXPECT_EQ(TonicNote(11), 59);
    EXPECT_EQ(TonicNote(-1), 59);
}

TEST(SoundLoopPatternTest, AScaleGoesUpToItsOctaveAndBackWithoutRepeatingTheEnds)
{
    EXPECT_EQ(Singles(LoopSteps(kCMajor, LoopPattern::UpAndDown, 1)),
              (std::vector<int>{60, 62, 64, 65, 67, 69, 71, 72, 71, 69, 67, 65, 64, 62}));
    EXPECT_EQ(Singles(LoopSteps(kCMajor, LoopPattern::Up, 2)), (std::vector<int>{60, 62, 64, 65, 67, 69, 71, 72}));
    // Down from the tonic next to middle C to the octave below.
    EXPECT_EQ(Singles(LoopSteps(kCMajor, LoopPattern::Down, 1)), (std::vector<int>{60, 59, 57, 55, 53, 52, 50, 48}));
    // G pentatonic starts on the G below middle C.
    EXPECT_EQ(Singles(LoopSteps({7, {0, 2, 4, 7, 9}, false}, LoopPattern::UpAndDown, 1)),
              (std::vector<int>{55, 57, 59, 62, 64, 67, 64, 62, 59, 57}));
    EXPECT_TRUE(LoopSteps({0, {}, false}, LoopPattern::Up, 1).empty());
}

TEST(SoundLoopPatternTest, AChordIsArpeggiatedThenStruckForAWholeBeat)
{
    const ModelNotes cSeventh{0, {0, 4, 7, 10}, true};
    const LoopStep struck{{60, 64, 67, 70}, false};
    const LoopStep held{{}, true};
    EXPECT_EQ(LoopSteps(cSeventh, LoopPattern::Up, 1),
              (std::vector<LoopStep>{{{60}}, {{64}}, {{67}}, {{70}}, struck}));
    EXPECT_EQ(LoopSteps(cSeventh, LoopPattern::UpAndDown, 2),
              (std::vector<LoopStep>{{{60}}, {{64}}, {{67}}, {{70}}, {{67}}, {{64}}, struck, held}));
    EXPECT_EQ(LoopSteps(cSeventh, LoopPattern::Down, 3),
              (std::vector<LoopStep>{{{70}}, {{67}}, {{64}}, {{60}}, struck, held, held}));
    // A chord over two octaves (D minor ninth, cells up to 14) keeps its spread.
    EXPECT_EQ(LoopSteps({2, {0, 3, 7, 10, 14}, true}, LoopPattern::Up, 1).back(),
              (LoopStep{{62, 65, 69, 72, 76}, false}));
}

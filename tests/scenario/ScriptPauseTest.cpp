#include <gtest/gtest.h>

#include <sstream>

#include "cli/ScriptRunner.h"

// The application pausing is stood in for by calling the clock's pause
// directly: the script's lines then run inside it.
TEST(ScriptPauseTest, LinesRunDuringAPauseAndTheirWaitsSpendItsTime)
{
    std::ostringstream out, err;
    ScriptRunner runner({"answer ok", "wait 30", "answer ok", "wait 40", "answer ok"}, "pause", ".", out, err);
    VirtualClock& clock = runner.Ports().clock;

    clock.PauseFor(50);
    EXPECT_EQ(clock.NowMs(), 50);
    EXPECT_EQ(runner.Ports().prompts.Pending(), 2u);

    // The rest of "wait 40" spends the next pause too, and no line runs.
    clock.PauseFor(10);
    EXPECT_EQ(clock.NowMs(), 60);
    EXPECT_EQ(runner.Ports().prompts.Pending(), 2u);

    EXPECT_EQ(runner.Run(), 0) << err.str();
    EXPECT_EQ(clock.NowMs(), 70);
    EXPECT_EQ(runner.Ports().prompts.Pending(), 3u);
}

TEST(ScriptPauseTest, AnErrorInsideAPauseEndsItAndStopsTheScript)
{
    std::ostringstream out, err;
    ScriptRunner runner({"wait 5", "bogus", "answer ok"}, "pause", ".", out, err);
    runner.Ports().clock.PauseFor(100);
    EXPECT_EQ(runner.Ports().clock.NowMs(), 100);
    EXPECT_EQ(runner.Run(), 2);
    EXPECT_EQ(err.str(), "pause:2: unknown command \"bogus\"\n");
    EXPECT_EQ(runner.Ports().prompts.Pending(), 0u);
}

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli/ScriptRunner.h"

// A producer of timed messages stands in for the player: its messages go as
// the script's waits pass their times, between the script's lines.
TEST(ScriptTimeTest, MessagesGoAsTheLinesWaitsPassTheirTimes)
{
    std::ostringstream out, err;
    ScriptRunner runner({"wait 30", "answer ok", "wait 40", "answer ok"}, "time", ".", out, err);
    VirtualClock& clock = runner.Ports().clock;
    std::vector<std::pair<std::int64_t, std::size_t>> sent;  // when, and the answers queued then
    const int producer = clock.AddProducer(
        [&](std::uint32_t) { sent.emplace_back(clock.NowMs(), runner.Ports().prompts.Pending()); }, {});
    const TimedMessage messages[] = {{0, 1}, {50, 2}, {500, 3}};
    clock.Schedule(producer, messages);
    EXPECT_EQ(runner.Run(), 0) << err.str();
    EXPECT_EQ(sent, (std::vector<std::pair<std::int64_t, std::size_t>>{{0, 0}, {50, 1}, {500, 2}}))
        << "what is due at the start goes before the first line, the rest plays on after the last";
    EXPECT_EQ(clock.NowMs(), 500);
}

TEST(ScriptTimeTest, AnErrorStopsTheScriptAndWhatIsDueStillGoes)
{
    std::ostringstream out, err;
    ScriptRunner runner({"wait 5", "bogus", "answer ok"}, "time", ".", out, err);
    VirtualClock& clock = runner.Ports().clock;
    int sent = 0;
    const int producer = clock.AddProducer([&](std::uint32_t) { ++sent; }, {});
    const TimedMessage messages[] = {{100, 1}};
    clock.Schedule(producer, messages);
    EXPECT_EQ(runner.Run(), 2);
    EXPECT_EQ(err.str(), "time:2: unknown command \"bogus\"\n");
    EXPECT_EQ(runner.Ports().prompts.Pending(), 0u);
    EXPECT_EQ(sent, 1);
}

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

// Division 96 in 4/4 (no time signature): bars of 384 ticks, one quarter
// note of a new pitch at the start of each. Note 55 sounds from bar 1 into bar 3.
// Listing lines: 0-3 the head, 4-15 the records, 16 empty, 17 the measure
// track's head, 18-21 the bar lines of bars 2 to 5.
class PlayFromBarScenarioTest : public ScriptFixture {
protected:
    std::string Song(const std::string& name = "bars.mid") const
    {
        TrackBody track;
        track.Event(0, {0xC0, 40});        // line 4
        track.Event(0, {0x90, 60, 100});   // 5: bar 1
        track.Event(192, {0x80, 60, 0});   // 6
        track.Event(8, {0x90, 55, 100});   // 7
        track.Event(184, {0x90, 62, 100}); // 8: bar 2
        track.Event(192, {0x80, 62, 0});   // 9
        track.Event(192, {0x90, 64, 100}); // 10: bar 3
        track.Event(32, {0x80, 55, 0});    // 11
        track.Event(160, {0x80, 64, 0});   // 12
        track.Event(192, {0x90, 65, 100}); // 13: bar 4
        track.Event(192, {0x80, 65, 0});   // 14
        const Bytes bytes = Smf(0, 96, {track.End()});
        return WriteFile(name, std::string(bytes.begin(), bytes.end())).string();
    }

    // The script words that double-click the middle of listing line `line`.
    static std::string DoubleClick(int line) { return "doubleclick 20 " + std::to_string(4 + 15 * line + 7) + "\n"; }

    // File > Examine... on the file, then the script lines `more`.
    static std::string Examine(const std::string& path) { return "answer ok file=\"" + path + "\"\ncmd 200\n"; }
    ScriptResult Open(const std::string& more) const { return Run("start\n" + Examine(Song()) + more); }
};

struct Sent {
    long ms;
    unsigned message;
};

// The "print midi" lines of the output, in order.
std::vector<Sent> SentMessages(const std::string& out)
{
    std::vector<Sent> sent;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        long ms = 0;
        unsigned message = 0;
        if (line.size() > 9 && line[line.size() - 9] == ' ' && std::sscanf(line.c_str(), "%ld %8X", &ms, &message) == 2)
            sent.push_back({ms, message});
    }
    return sent;
}

// Notes switched on, in order, as MIDI note numbers.
std::vector<int> NotesOn(const std::vector<Sent>& sent)
{
    std::vector<int> notes;
    for (const Sent& s : sent)
        if ((s.message & 0xF0) == 0x90 && (s.message >> 16 & 0x7F) != 0)
            notes.push_back(static_cast<int>(s.message >> 8 & 0x7F));
    return notes;
}

}  // namespace

TEST_F(PlayFromBarScenarioTest, ANoteLinePlaysFromTheStartOfItsBar)
{
    // Line 11 is the note off of note 55 in bar 3: playing starts at bar 3.
    // Script lines run during the playback's pauses: the wait outlasts it.
    ScriptResult result = Open(DoubleClick(11) + "print queue\nwait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Total 17\nQueued 9\n"), std::string::npos) << result.out;
    const std::vector<Sent> sent = SentMessages(result.out);
    EXPECT_EQ(NotesOn(sent), (std::vector<int>{64, 65})) << result.out;
    // Before bar 3 only what sets the instruments up is sent: the program
    // and the note offs, at once.
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0].message, 0x28C0u);
    EXPECT_EQ(sent[1].message, 0x3C80u);
    EXPECT_EQ(sent[2].message, 0x3E80u);
    EXPECT_EQ(sent[0].ms, sent[2].ms);
}

TEST_F(PlayFromBarScenarioTest, ABarLinePlaysFromItsBarAndTheFirstBarFromTheStart)
{
    ScriptResult result = Open(DoubleClick(20) + "print queue\nwait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 13\n"), std::string::npos) << result.out;
    EXPECT_EQ(NotesOn(SentMessages(result.out)), (std::vector<int>{65})) << result.out;

    result = Open(DoubleClick(7) + "print queue\nwait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 0\n"), std::string::npos) << result.out;
    EXPECT_EQ(NotesOn(SentMessages(result.out)), (std::vector<int>{60, 55, 62, 64, 65})) << result.out;
}

TEST_F(PlayFromBarScenarioTest, LinesWithoutAnEventDoNothing)
{
    std::string script;
    for (int line : {0, 1, 2, 3, 15, 16, 22, 40})
        script += DoubleClick(line);
    script += "doubleclick 20 2\nprint queue\nprint midi\n";
    ScriptResult result = Open(script);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 0\n"), std::string::npos) << result.out;
    EXPECT_TRUE(SentMessages(result.out).empty()) << result.out;
}

TEST_F(PlayFromBarScenarioTest, TheQueueStaysForTheNextPlayUntilRewind)
{
    ScriptResult result = Open(DoubleClick(8) + "wait 9000\ncmd 183\nwait 9000\ncmd 176\nprint queue\ncmd 183\n"
                               "wait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(NotesOn(SentMessages(result.out)), (std::vector<int>{62, 64, 65, 62, 64, 65, 60, 55, 62, 64, 65}))
        << result.out;
    EXPECT_NE(result.out.find("Queued 0\n"), std::string::npos) << result.out;
}

TEST_F(PlayFromBarScenarioTest, ADoubleClickDuringPlaybackStartsAgainAtTheNewBar)
{
    // The double click on bar 4's note arrives at 1200 ms, while the player
    // waits for bar 2's line (1974 ms): it stops and starts bar 4 at once.
    ScriptResult result = Open("cmd 183\nwait 1200\n" + DoubleClick(13) + "print queue\nwait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 13\n"), std::string::npos) << result.out;
    const std::vector<Sent> sent = SentMessages(result.out);
    EXPECT_EQ(NotesOn(sent), (std::vector<int>{60, 55, 65})) << result.out;
    const auto again = std::find_if(sent.begin() + 1, sent.end(), [](const Sent& s) { return s.message == 0x28C0u; });
    ASSERT_NE(again, sent.end()) << "the new run sets the program up again";
    EXPECT_EQ(again->ms, 1200);
}

// The other window's playback goes on as it was, without a restart or a
// jump: the queue is this file's own, for its next Play.
TEST_F(PlayFromBarScenarioTest, WhileAnotherWindowPlaysADoubleClickOnlyQueues)
{
    const std::string other = Song("other.mid");
    ScriptResult result = Open(Examine(other) + "cmd 183\nwait 200\nactivate bars.mid\n" + DoubleClick(10)
                               + "print queue\nwait 9000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 9\n"), std::string::npos) << result.out;
    const std::vector<Sent> sent = SentMessages(result.out);
    EXPECT_EQ(NotesOn(sent), (std::vector<int>{60, 55, 62, 64, 65})) << result.out;
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const Sent& s) { return s.message == 0x28C0u; }), 1)
        << "a restart would send the program again";
}

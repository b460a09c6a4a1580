#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

class PracticeScenarioTest : public ScriptFixture {
protected:
    // Division 96 at 120 beats per minute: C5 for a second.
    std::string Song()
    {
        TrackBody track;
        track.Event(0, {0x90, 60, 100});
        track.Event(192, {0x80, 60, 0});
        Bytes bytes = Smf(0, 96, {track.End()});
        return WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
    }
};

// Each "print lines" block of a guitar ends with its fret numbers.
std::vector<std::string> GuitarPrints(const std::string& out)
{
    std::vector<std::string> blocks;
    std::size_t start = 0;
    for (std::size_t end; (end = out.find("   0    1    2", start)) != std::string::npos; start = end + 1)
        blocks.push_back(out.substr(start, end - start));
    return blocks;
}

// The note names the strings of a guitar block mark, each once, A to G.
std::string Marks(const std::string& block)
{
    std::string marks;
    std::istringstream lines(block);
    for (std::string line; std::getline(lines, line);)
        if (line.find("\u253C") != std::string::npos)
            for (char c : line)
                if (c >= 'A' && c <= 'G' && marks.find(c) == std::string::npos)
                    marks += c;
    std::sort(marks.begin(), marks.end());
    return marks;
}

}  // namespace

// Two bars of C major up and down at 120 beats per minute, a note a beat,
// from the C next to middle C; a guitar marks the note sounding.
TEST_F(PracticeScenarioTest, TheSoundLoopPlaysTwoBarsOfTheModelAndAGuitarMarksEachNote)
{
    ScriptResult result = Run("start\n"
                              "cmd 2370    # Guitar\n"
                              "answer ok 1001=120\n"
                              "cmd 174     # Sound Loop\n"
                              "wait 10\n"
                              "print lines\n"
                              "print menu\n"
                              "wait 1000\n"
                              "print lines\n"
                              "wait 2989\n"
                              "cmd 174     # stops it\n"
                              "print midi\n"
                              "print lines\n"
                              "print menu\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("\n0 000000C0\n0 00603C90\n"
                       "500 00003C80\n500 00603E90\n1000 00003E80\n1000 00604090\n1500 00004080\n1500 00604190\n"
                       "2000 00004180\n2000 00604390\n2500 00004380\n2500 00604590\n3000 00004580\n3000 00604790\n"
                       "3500 00004780\n3500 00604890\n3999 00004880\n\n"),
              std::string::npos)
        << out;
    const std::vector<std::string> guitar = GuitarPrints(out);
    ASSERT_EQ(guitar.size(), 3u) << out;
    EXPECT_EQ(Marks(guitar[0]), "C") << guitar[0];
    EXPECT_EQ(Marks(guitar[1]), "E") << guitar[1];
    EXPECT_EQ(Marks(guitar[2]), "ABCDEFG") << "the model again: " << guitar[2];
    EXPECT_NE(out.find("  Sound Loop (174) checked\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  Sound Loop (174)\n"), std::string::npos) << out;
}

// Two bars of three at 120, the first beat accented; the ticks flash in the
// status bar with Show Tick, and keep their settings for the next run. The
// script's end stops them.
TEST_F(PracticeScenarioTest, TheTicksClickTwoBarsFlashTheBeatAndKeepTheirSettings)
{
    ScriptResult result = Run("start\n"
                              "cmd 211     # Show Tick\n"
                              "answer ok 1001=120 1004=3\n"
                              "cmd 207     # Start Ticks\n"
                              "print tick\n"
                              "wait 250\n"
                              "print tick\n"
                              "wait 250\n"
                              "print tick\n"
                              "print menu\n"
                              "wait 3499\n"
                              "cmd 208     # Stop Ticks\n"
                              "print tick\n"
                              "print midi\n"
                              "exit\n"
                              "start\n"
                              "answer ok\n"
                              "cmd 207\n"
                              "wait 1500\n"
                              "print tick\n"
                              "print menu\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("tick: 1 of 3\ntick: none\ntick: 2 of 3\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  Start Ticks (207) checked\n  Show Tick (211) checked\n  Stop Ticks (208)\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("tick: none\n0 007F4C99\n250 00004C89\n500 005A4D99\n750 00004D89\n1000 005A4D99\n"
                       "1250 00004D89\n1500 007F4C99\n1750 00004C89\n2000 005A4D99\n2250 00004D89\n2500 005A4D99\n"
                       "2750 00004D89\n3000 007F4C99\n3250 00004C89\n3500 005A4D99\n3750 00004D89\ntick: 1 of 3\n"),
              std::string::npos)
        << out;
    // The next run ticks three to the bar at 120 again, and shows them:
    // at 1500 the first beat of the second bar.
    EXPECT_NE(out.find("tick: 1 of 3\n&File"), std::string::npos) << out;
}

// One thing plays the model at a time: Play stops the loop, and the loop
// stops a file playing; the ticks go on with either.
TEST_F(PracticeScenarioTest, PlayAndTheSoundLoopTakeOverFromEachOther)
{
    ScriptResult result = Run("start\n"
                              "answer ok file=\"" + Song() + "\"\n"
                              "cmd 200     # Examine\n"
                              "answer ok 1001=60\n"
                              "cmd 207     # ticks at 60\n"
                              "wait 300\n"
                              "answer ok 1001=60\n"
                              "cmd 174     # the loop comes in on the next beat\n"
                              "wait 1500\n"
                              "cmd 183     # Play stops the loop\n"
                              "wait 500\n"
                              "answer ok\n"
                              "cmd 174     # the loop stops the file, and comes in on the next beat\n"
                              "wait 1000\n"
                              "cmd 208\n"
                              "cmd 174\n"
                              "print midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("0 007F4C99\n500 00004C89\n"
                              "1000 000000C0\n1000 00603C90\n1000 005A4D99\n1500 00004D89\n"
                              "1800 00003C80\n1800 00643C90\n2000 005A4D99\n"
                              "2300 00007BB0\n2500 00004D89\n"
                              "3000 000000C0\n3000 00603C90\n3000 005A4D99\n"
                              "3300 00004D89\n3300 00003C80\n"),
              std::string::npos)
        << result.out;
}

// The loop and the ticks say what the MIDI window says when the output does
// not open: what was tried and where to choose another.
TEST_F(PracticeScenarioTest, AnOutputThatCannotOpenIsNamedAsPlaybackNamesIt)
{
    ::setenv("MORVIX_MIDI_OUT", ("record:" + (dir / "no" / "such" / "folder.txt").string()).c_str(), 1);
    ScriptResult result = Run("start\nanswer ok\ncmd 174\nanswer ok\ncmd 207\n");
    ::unsetenv("MORVIX_MIDI_OUT");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string message = "message: Error opening the default MIDI Out device!\\n\\nTried record:";
    const std::size_t first = result.out.find(message);
    ASSERT_NE(first, std::string::npos) << result.out;
    EXPECT_NE(result.out.find(message, first + 1), std::string::npos) << "the ticks say it too\n" << result.out;
    EXPECT_NE(result.out.find("Choose the MIDI output in View > Sound Settings..."), std::string::npos);
}

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

class PlaybackScenarioTest : public ScriptFixture {
protected:
    void TearDown() override
    {
        ::unsetenv("MORVIX_MIDI_OUT");
        ScriptFixture::TearDown();
    }

    // Division 96 at 120 beats per minute: a quarter note is 500 ms.
    std::string Song()
    {
        TrackBody track;
        track.Event(0, {0xC0, 40});
        track.Event(0, {0x90, 60, 100});
        track.Event(96, {0x80, 60, 64});
        track.Meta(0, 0x51, {0x03, 0xD0, 0x90});  // 250000: twice as fast
        track.Event(96, {0x90, 62, 100});
        track.Event(96, {0x80, 62, 64});
        Bytes bytes = Smf(0, 96, {track.End()});
        return WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
    }

    std::string Recorded() const
    {
        std::ifstream in(dir / "played.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void RecordTo() const { ::setenv("MORVIX_MIDI_OUT", ("record:" + (dir / "played.txt").string()).c_str(), 1); }
};

}  // namespace

TEST_F(PlaybackScenarioTest, PlayRecordsEveryMessageAtItsTimeOnTheVirtualClock)
{
    RecordTo();
    ScriptResult result = Cli({"play", Song()});
    ASSERT_EQ(result.status, 0) << result.err;
    // The file ends with its last bar line, silencing the channel it played.
    EXPECT_EQ(Recorded(), "0 000028C0\n0 00643C90\n500 00403C80\n750 00643E90\n1000 00403E80\n1237 00007BB0\n");
}

TEST_F(PlaybackScenarioTest, PlayTakesARateFromTheMenuAndAQueuedRecord)
{
    RecordTo();
    ASSERT_EQ(Cli({"play", Song(), "--rate", "50"}).status, 0);
    EXPECT_EQ(Recorded(), "0 000028C0\n0 00643C90\n1000 00403C80\n1500 00643E90\n2000 00403E80\n2474 00007BB0\n");
    // Record 6 is the second note on; the records before its tick are fast-forwarded.
    ASSERT_EQ(Cli({"play", Song(), "--queue", "6"}).status, 0);
    EXPECT_EQ(Recorded(), "0 000028C0\n0 00403C80\n250 00643E90\n500 00403E80\n737 00007BB0\n");
    EXPECT_EQ(Cli({"play", Song(), "--rate", "60"}).status, 2);
    EXPECT_EQ(Cli({"play", "--queue", "x", Song()}).status, 2);
    EXPECT_EQ(Cli({"play", (dir / "missing.mid").string()}).status, 2);
}

TEST_F(PlaybackScenarioTest, AnOutputThatCannotOpenGivesTheMessageAndStatus1)
{
    ::setenv("MORVIX_MIDI_OUT", ("record:" + (dir / "no" / "such" / "folder.txt").string()).c_str(), 1);
    ScriptResult result = Cli({"play", Song()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.find("message: Error opening the default MIDI Out device!\\n\\nTried record:"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("folder.txt: the file could not be written.\\n\\nChoose the MIDI output in View > "
                              "Sound Settings..., with the MORVIX_MIDI_OUT environment variable"),
              std::string::npos);
    ::setenv("MORVIX_MIDI_OUT", "nowhere", 1);
    EXPECT_EQ(Cli({"play", Song()}).status, 2);
}

TEST_F(PlaybackScenarioTest, ScriptLinesAfterPlayRunDuringThePlaybackAndStopThenPlayAnswersAtOnce)
{
    std::string song = Song();
    ScriptResult result = Run(
        "start\n"
        "answer ok file=\"" + song + "\"\n"
        "cmd 200\n"
        "cmd 214\n"      // Rate 50%
        "cmd 183\n"
        "wait 1200\n"
        "cmd 180\n"     // silences the note sounding
        "cmd 183\n"     // resumes at once
        "wait 300\n"
        "print midi\n"
        "cmd 183\n"     // ignored: the file plays
        "wait 1000\n"
        "print midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // Play again fast-forwards: the program change and the note off at once, not the note on.
    const std::string resumed = "0 000028C0\n0 00643C90\n1000 00403C80\n1200 00007BB0\n1200 000028C0\n1200 00403C80\n";
    const std::string played = "1700 00643E90\n2200 00403E80\n";
    EXPECT_NE(result.out.find(resumed + resumed + played), std::string::npos) << result.out;
}

TEST_F(PlaybackScenarioTest, TheRecorderTakesKeysFromTheScript)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 205\n"
        "cmd 206\n"
        "key down 90\n"
        "wait 250\n"
        "key up 90\n"
        "cmd 180\n"
        "cmd 183\n"
        "wait 500\n"
        "print windows\n"
        "print midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("8 2001 Keyboard Input\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("0 00643090\n250 00643080\n250 00002AFF\n250 00643090\n500 00643080\n"),
              std::string::npos)
        << result.out;
}

// What a musician heard go wrong around the player, each played through a
// script on the virtual clock and read back from the messages sent.
#include <string>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

class PlaybackFaultsScenarioTest : public ScriptFixture {
protected:
    // Division 96 at 120 beats per minute: a quarter note is 500 ms. Note 60
    // for a quarter from 0, note 62 for a quarter from 1000 ms, both ended
    // by note ons of velocity 0, as most files end their notes.
    std::string Song(const std::string& name = "song.mid", int division = 96) const
    {
        TrackBody track;
        track.Event(0, {0x90, 60, 100});
        track.Event(96, {0x90, 60, 0});
        track.Event(96, {0x90, 62, 100});
        track.Event(96, {0x90, 62, 0});
        return Write(name, Smf(0, division, {track.End()}));
    }
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        return WriteFile(name, std::string(bytes.begin(), bytes.end())).string();
    }
    static std::string Examine(const std::string& path) { return "answer ok file=\"" + path + "\"\ncmd 200\n"; }
};

}  // namespace

TEST_F(PlaybackFaultsScenarioTest, AnotherWindowActivatedKeepsThePlayingFileOnItsOwnTime)
{
    // The other file counts 24 ticks to the quarter and is set to 25%.
    const std::string playing = Song(), other = Song("other.mid", 24);
    ScriptResult result = Run("start\n" + Examine(playing) + Examine(other) + "cmd 224\nactivate song.mid\n"
                              "cmd 183\nwait 600\nactivate other.mid\nwait 5000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("0 00643C90\n500 00003C90\n1000 00643E90\n1500 00003E90\n"), std::string::npos)
        << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, AFileEndingLeavesTheOutputOpenForTheKeyboardWindowAndAnOutsideKeyboard)
{
    ScriptResult result = Run("start\ncmd 205\ncmd 206\n" + Examine(Song()) +
                              "cmd 183\nwait 3000\nactivate \"Keyboard Input\"\nkey down 90\n"
                              "midiin on 72\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("3000 00643090\n3000 00644890\n"), std::string::npos)
        << "the key and the outside note after the file's end sound\n" << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, QueueingForwardEndsTheNotesItSkipsAndStopLeavesNothingSounding)
{
    // A chord of 60 and 64 from 0; 60 ends at 500 ms, 64 at 1000, both by
    // note ons of velocity 0; 67 follows at 1500.
    TrackBody track;
    track.Event(0, {0x90, 60, 100});
    track.Event(0, {0x90, 64, 100});
    track.Event(96, {0x90, 60, 0});
    track.Event(96, {0x90, 64, 0});
    track.Event(96, {0x90, 67, 100});
    track.Event(96, {0x90, 67, 0});
    const std::string path = Write("chord.mid", Smf(0, 96, {track.End()}));
    // At 100 ms the Queue dialog moves to record 6 of 9, the note on of 67:
    // what sounds is silenced, and the note ons of velocity 0 that end 60
    // and 64 go, as note offs would. 67 sounds its delta later.
    ScriptResult result = Run("start\n" + Examine(path) + "cmd 183\nwait 100\nanswer ok 1062=67\ncmd 228\n"
                              "print queue\nwait 600\ncmd 180\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Queued 6\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("0 00643C90\n0 00644090\n100 00007BB0\n100 00003C90\n100 00004090\n"
                              "600 00644390\n700 00007BB0\n"),
              std::string::npos)
        << "Stop silences note 67\n" << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, TheRunningTimeIsWhenTheLastRecordPlays)
{
    // A tempo record 96 ticks in halves the tempo: its own ticks still pass
    // at the tempo before it.
    TrackBody track;
    track.Event(0, {0x90, 60, 100});
    track.Meta(96, 0x51, {0x0F, 0x42, 0x40});
    track.Event(96, {0x80, 60, 0});
    const std::string path = Write("tempo.mid", Smf(0, 96, {track.End()}));
    ScriptResult examined = Cli({"examine", path});
    // The list ends with the bar line at tick 379: 500 ms, then 283 ticks of a second a quarter.
    EXPECT_NE(examined.err.find("counted as 3448 ms running time"), std::string::npos) << examined.err;
    ScriptResult result = Run("start\n" + Examine(path) + "cmd 183\nwait 5000\nprint midi\n");
    EXPECT_NE(result.out.find("1500 00003C80\n3448 00007BB0\n"), std::string::npos) << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, PlayAfterAFinishedRunStartsFromTheBeginning)
{
    ScriptResult result = Run("start\n" + Examine(Song()) + "cmd 183\nwait 700\ncmd 180\nwait 100\ncmd 183\n"
                              "wait 3000\ncmd 183\nwait 100\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // Stopped at 700, resumed at 800 up to the end; played again from its first note.
    EXPECT_NE(result.out.find("1800 00003E90\n2274 00007BB0\n3800 00643C90\n"), std::string::npos) << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, SmpteDivisionsPlayAsFramesOfASecond)
{
    // 25 frames a second and 40 ticks a frame: a tick is a millisecond.
    TrackBody track;
    track.Event(0, {0x90, 60, 100});
    track.Event(2500, {0x80, 60, 0});
    const std::string path = Write("smpte.mid", Smf(0, 0xE728, {track.End()}));
    ScriptResult result = Run("start\n" + Examine(path) + "cmd 183\nwait 5000\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("0 00643C90\n2500 00003C80\n"), std::string::npos) << result.out;
    // Bars of four quarter notes at the default tempo, 2000 ticks, the last
    // one's line at 4000 less its lead of 29.
    EXPECT_NE(result.out.find("counted as 3971 ms running time"), std::string::npos) << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, DivisionZeroIsRefusedWithAMessage)
{
    TrackBody track;
    track.Event(0, {0x90, 60, 100});
    track.Event(96, {0x80, 60, 0});
    const std::string path = Write("untimed.mid", Smf(0, 0, {track.End()}));
    ScriptResult result = Run("start\n" + Examine(path) + "cmd 183\nwait 100\nprint midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("message: MIDI division is 0: the file cannot be played.\n"), std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("00643C90"), std::string::npos) << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, StopThenPlayAnswersAtOnce)
{
    // Stopped at 600 while note 62 waits for 1000 ms: Play resumes at once,
    // and 62 sounds its own delta after it.
    ScriptResult result = Run("start\n" + Examine(Song()) + "cmd 183\nwait 600\ncmd 180\ncmd 183\nwait 1000\n"
                              "print midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("500 00003C90\n600 00007BB0\n600 00003C90\n1100 00643E90\n"), std::string::npos)
        << result.out;
}

TEST_F(PlaybackFaultsScenarioTest, TheListingFollowsTheLinePlaying)
{
    ScriptResult result = Run("start\n" + Examine(Song()) + "cmd 183\nwait 700\nprint accessible\n"
                              "wait 5000\nprint accessible\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // Lines: path, header, track, empty, then the track's records from line 5 on.
    EXPECT_NE(result.out.find("summary: 13 lines, line 6 playing\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("summary: 13 lines\n"), std::string::npos) << result.out;
}

#include <string>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

class IdentifyPlaybackScenarioTest : public ScriptFixture {
protected:
    // Division 96 at 120 beats per minute, a chord each half second: C E G
    // with a drum, then F major over its third (A C F), then G B D F.
    std::string Chords()
    {
        TrackBody track;
        track.Event(0, {0x90, 60, 100}).Event(0, {0x90, 64, 100}).Event(0, {0x90, 67, 100});
        track.Event(0, {0x99, 42, 100});  // a hi-hat: no pitch
        track.Event(96, {0x80, 60, 0}).Event(0, {0x80, 64, 0}).Event(0, {0x80, 67, 0}).Event(0, {0x89, 42, 0});
        track.Event(0, {0x90, 57, 100}).Event(0, {0x90, 60, 100}).Event(0, {0x90, 65, 100});
        track.Event(96, {0x80, 57, 0}).Event(0, {0x80, 60, 0}).Event(0, {0x80, 65, 0});
        track.Event(0, {0x90, 55, 100}).Event(0, {0x90, 59, 100}).Event(0, {0x90, 62, 100}).Event(0, {0x90, 65, 100});
        track.Event(96, {0x80, 55, 0}).Event(0, {0x80, 59, 0}).Event(0, {0x80, 62, 0}).Event(0, {0x80, 65, 0});
        Bytes bytes = Smf(0, 96, {track.End()});
        return WriteFile("chords.mid", std::string(bytes.begin(), bytes.end())).string();
    }
};

}  // namespace

// One line per change over the whole file: the lowest note first, the drum
// left out, and the answer "identify" gives first.
TEST_F(IdentifyPlaybackScenarioTest, IdentifyFilePrintsEachChangeWithItsFirstAnswer)
{
    ScriptResult result = Cli({"identify", "--file", Chords()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "0\tC E G\tchord\tC\tmajor\tmaj\n"
                          "500\tA C F\tchord\tF\tmajor\tmaj\n"
                          "1000\tG B D F\tchord\tG\tmixolydian mode\t7\n"
                          "1500\t-\t-\n");
    EXPECT_EQ(Cli({"identify", "--file"}).status, 2);
    ScriptResult missing = Cli({"identify", "--file", (dir / "missing.mid").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
    ScriptResult text = Cli({"identify", "--file", WriteFile("notes.txt", "C E G\n").string()});
    EXPECT_EQ(text.status, 2);
    EXPECT_NE(text.err.find("is not a MIDI file"), std::string::npos) << text.err;
}

// The Identify window names what plays, says so, keeps the last chord it
// heard when the file ends, and goes back to the user's notes at a key.
TEST_F(IdentifyPlaybackScenarioTest, TheIdentifyWindowNamesTheChordsOfAFilePlaying)
{
    ScriptResult result = Run("start\n"
                              "cmd 32910\n"
                              "key down Z\n"
                              "answer ok file=\"" + Chords() + "\"\n"
                              "cmd 200\n"
                              "cmd 183\n"
                              "wait 10\n"
                              "activate Identify\n"
                              "print accessible\n"
                              "wait 500\n"
                              "print identify\n"
                              "wait 2000\n"
                              "print identify\n"
                              "key down C\n"
                              "print identify\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_NE(out.find("summary: From playback: notes C E G: "), std::string::npos) << out;
    EXPECT_NE(out.find("Notes:  C E G  (from playback)\n       Key  Scale"), std::string::npos) << out;
    EXPECT_NE(out.find("Notes:  A C F  (from playback)\n       Key  Scale                               Chord\n"
                       "  chord  F    major                               maj\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Notes:  G B D F  (from playback)\n"), std::string::npos) << "the last chord heard";
    EXPECT_NE(out.find("Notes:  G B D F E\n"), std::string::npos) << "the user's key takes over";
}

TEST_F(IdentifyPlaybackScenarioTest, AnIdentifyWindowOpenedDuringPlaybackFollowsItFromThen)
{
    ScriptResult result = Run("start\n"
                              "answer ok file=\"" + Chords() + "\"\n"
                              "cmd 200\n"
                              "cmd 183\n"
                              "wait 600\n"
                              "cmd 32910\n"
                              "print identify\n"
                              "wait 500\n"
                              "print identify\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Notes:  A C F  (from playback)\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Notes:  G B D F  (from playback)\n"), std::string::npos) << result.out;
}

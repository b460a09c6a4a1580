#include <string>

#include "../unit/midi/SmfBuilder.h"
#include "PrintedKeyboard.h"
#include "ScriptFixture.h"

namespace {

class InstrumentPlaybackScenarioTest : public ScriptFixture {
protected:
    // Division 96 at 120 beats per minute: C5 for 500 ms, then E5 and G5
    // (on the second channel) for 500 ms.
    std::string Song()
    {
        TrackBody track;
        track.Event(0, {0x90, 60, 100});
        track.Event(96, {0x80, 60, 0});
        track.Event(0, {0x90, 64, 100});
        track.Event(0, {0x91, 67, 100});
        track.Event(96, {0x80, 64, 0});
        track.Event(0, {0x81, 67, 0});
        Bytes bytes = Smf(0, 96, {track.End()});
        return WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
    }
};


} // namespace

TEST_F(InstrumentPlaybackScenarioTest, AKeyboardAndAStaffFollowAPlayedFile)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2426    # Keyboard-25\n"
        "activate Model\n"
        "cmd 2443    # Grand-Staff\n"
        "answer ok file=\"" + Song() + "\"\n"
        "cmd 200     # Examine\n"
        "cmd 183     # Play\n"
        "wait 250\n"
        "activate Keyboard-25\n"
        "print lines\n"
        "activate Grand-Staff\n"
        "print surface\n"
        "wait 500\n"
        "activate Keyboard-25\n"
        "print lines\n"
        "wait 2000\n"
        "print lines\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_EQ(WhiteKeyLabels(out, 0), "C") << out;
    EXPECT_EQ(WhiteKeyLabels(out, 1), "EG") << out;
    EXPECT_EQ(WhiteKeyLabels(out, 2), "CDEFGABCDEFGABC") << "the model's notes once the file has played";
    // The staff: both clefs, and the played notes as quarter notes (stems up) from column 15.
    EXPECT_NE(out.find("image 4 171 155\nimage 4 252 156\n"), std::string::npos) << out;
    EXPECT_NE(out.find("image 122 217 161\n"), std::string::npos) << out;
}

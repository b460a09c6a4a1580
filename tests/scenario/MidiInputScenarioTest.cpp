#include <string>

#include "PrintedKeyboard.h"
#include "ScriptFixture.h"

using MidiInputScenarioTest = ScriptFixture;

TEST_F(MidiInputScenarioTest, AnOutsideNoteSoundsMarksTheKeyboardAndIsRecorded)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2426          # Keyboard-25\n"
        "cmd 205           # the keyboard input window\n"
        "cmd 206           # Record\n"
        "midiin on 64 80\n"
        "print lines\n"
        "activate Keyboard-25\n"
        "print lines\n"
        "wait 300\n"
        "midiin off 64\n"
        "print lines\n"
        "activate \"Keyboard Input\"\n"
        "print lines\n"
        "cmd 180           # Stop\n"
        "cmd 183           # Play\n"
        "wait 500\n"
        "print midi\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    // The keyboard window's 24 white keys from C: E above middle C (note 64)
    // is its tenth, held.
    std::string held;
    for (int key = 0; key < 24; ++key)
        held += key == 9 ? "│ * " : "│   ";
    EXPECT_EQ(KeyboardLine(out, 0, 9), held + "│") << out;
    EXPECT_EQ(WhiteKeyLabels(out, 1), "E") << out;
    EXPECT_EQ(WhiteKeyLabels(out, 2), "CDEFGABCDEFGABC") << "the scale once the note is off";
    EXPECT_EQ(KeyboardLine(out, 3, 9).find('*'), std::string::npos) << out;
    // Sounded at once on the first channel, then played back from the recording at the velocity played.
    EXPECT_NE(out.find("0 00504090\n300 00644080\n300 00002AFF\n300 00504090\n600 00644080\n"),
              std::string::npos)
        << out;
}

TEST_F(MidiInputScenarioTest, TheStandInTakesOnlyNotesAfterStart)
{
    EXPECT_EQ(Run("midiin on 60\n").status, 2);
    ScriptResult bad = Run("start\nmidiin down 60\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("usage: midiin on|off NOTE [VELOCITY]"), std::string::npos) << bad.err;
    EXPECT_EQ(Run("start\nmidiin on 128\n").status, 2);
    EXPECT_EQ(Run("start\nmidiin on 60 200\n").status, 2);
}

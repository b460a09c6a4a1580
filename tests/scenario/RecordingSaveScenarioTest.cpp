#include <filesystem>
#include <sstream>

#include "ScriptFixture.h"

namespace {

class RecordingSaveScenarioTest : public ScriptFixture {
protected:
    // Opens the keyboard window and records Z (note 48) and X (note 50):
    // X 250 ms after Z, Z released 100 ms later, X 1000 ms after that.
    static constexpr const char* kRecordTwoKeys =
        "start\n"
        "cmd 205\n"
        "cmd 206\n"
        "key down 90\n"
        "wait 250\n"
        "key down 88\n"
        "wait 100\n"
        "key up 90\n"
        "wait 1000\n"
        "key up 88\n"
        "cmd 180\n";

    // The examiner's listing of the saved file's track.
    std::string Examined(const std::string& name) const
    {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli({"examine", (dir / name).string()}, out, err), 0) << err.str();
        std::string listing = out.str();
        return listing.substr(listing.find("\n\n") + 2);
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(dir / name); }
};

const std::string kTwoKeysListing =
    "000000 00000 Set Tempo\n"
    "000000 00000 Program: channel 1, number 0, Acoustic Grand Piano\n"
    "000000 00000 NoteOn : channel  1, number  48, name  C, octave  4, velocity 100\n"
    "000250 00250 NoteOn : channel  1, number  50, name  D, octave  4, velocity 100\n"
    "000350 00100 NoteOff: channel  1, number  48, name  C, octave  4, velocity 100\n"
    "001350 01000 NoteOff: channel  1, number  50, name  D, octave  4, velocity 100\n"
    "001360 00010 Meta End of Track\n\n"
    "000000 00000 Meta Measure Track\n"
    "002000 02000 Measure Bar Marker  bar 2\n\n";

}  // namespace

TEST_F(RecordingSaveScenarioTest, SaveWritesTheRecordingTheExaminerListsAtOneTickPerMillisecond)
{
    ScriptResult result = Run(std::string(kRecordTwoKeys) + "save \"recorded.mid\"\nprint windows\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Examined("recorded.mid"), kTwoKeysListing);
    std::ostringstream out, err;
    RunCli({"examine", (dir / "recorded.mid").string()}, out, err);
    EXPECT_NE(out.str().find("format 0,  tracks 1,  divisions 500, total bytes 54\n"), std::string::npos);
    // The window keeps its title: it is still the one keyboard window.
    EXPECT_NE(result.out.find("8 2001 Keyboard Input\n"), std::string::npos) << result.out;
}

TEST_F(RecordingSaveScenarioTest, SaveAsAsksForANameOnceAndIsGreyedWhileNothingIsRecorded)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 205\n"
        "cmd 57604\n"
        "cmd 57603\n"
        "cmd 206\n"
        "cmd 57604\n" +
        std::string(kRecordTwoKeys).substr(std::string("start\ncmd 205\n").size()) +
        "answer ok file=named\n"
        "cmd 57604\n"
        "cmd 206\n"
        "key down 90\n"
        "wait 40\n"
        "key up 90\n"
        "cmd 57603\n"
        "print menu\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // Before a note is recorded, Record included, neither item can be chosen.
    EXPECT_EQ(result.out.rfind("disabled: 57604\ndisabled: 57603\ndisabled: 57604\n", 0), 0u) << result.out;
    EXPECT_EQ(result.out.find("unanswered"), std::string::npos) << result.out;
    // A name without a suffix gets ".mid"; Save writes the new recording there without asking.
    EXPECT_FALSE(Exists("named"));
    EXPECT_NE(Examined("named.mid").find("000040 00040 NoteOff: channel  1, number  48"), std::string::npos);
    // Like every saved file it is offered again under File > Documents.
    EXPECT_NE(result.out.find("named.mid (57616)"), std::string::npos) << result.out;
}

TEST_F(RecordingSaveScenarioTest, SavingWhileRecordingLeavesTheRecordingRunning)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 205\n"
        "cmd 206\n"
        "key down 90\n"
        "wait 30\n"
        "save \"held.mid\"\n"
        "wait 20\n"
        "key up 90\n"
        "save \"released.mid\"\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // The note still held when the first file was written ends with the file.
    EXPECT_EQ(Examined("held.mid").substr(Examined("held.mid").find("000000 00000 NoteOn")),
              "000000 00000 NoteOn : channel  1, number  48, name  C, octave  4, velocity 100\n"
              "000000 00000 NoteOff: channel  1, number  48, name  C, octave  4, velocity  64\n"
              "000010 00010 Meta End of Track\n\n"
              "000000 00000 Meta Measure Track\n"
              "002000 02000 Measure Bar Marker  bar 2\n\n");
    EXPECT_NE(Examined("released.mid").find("000050 00050 NoteOff: channel  1, number  48"), std::string::npos);
}

TEST_F(RecordingSaveScenarioTest, SaveRefusesOtherWindowsAnEmptyRecordingAndAnUnwritablePath)
{
    ScriptResult model = Run("start\nsave \"x.mid\"\n");
    EXPECT_EQ(model.status, 2);
    EXPECT_NE(model.err.find("save needs the keyboard input window active"), std::string::npos) << model.err;

    ScriptResult empty = Run("start\ncmd 205\ncmd 206\nsave \"x.mid\"\n");
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.err.find("nothing recorded to save"), std::string::npos) << empty.err;
    EXPECT_FALSE(Exists("x.mid"));

    ScriptResult unwritable = Run(std::string(kRecordTwoKeys) + "save \"no/such/folder.mid\"\n");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.out.find("message: Cannot save the recording to " + (dir / "no/such/folder.mid").string()),
              std::string::npos)
        << unwritable.out;
    EXPECT_NE(unwritable.err.find("the recording was not saved"), std::string::npos) << unwritable.err;
}

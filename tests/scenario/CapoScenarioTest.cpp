#include "ScriptFixture.h"

namespace {

class CapoScenarioTest : public ScriptFixture {
protected:
    static std::string Draw(const std::vector<std::string>& args)
    {
        std::vector<std::string> full = {"draw", "Guitar", "--key", "G"};
        full.insert(full.end(), args.begin(), args.end());
        ScriptResult result = Cli(full);
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
};

const std::string kDropD = "D-3 A-3 D-4 G-4 B-4 E-5";

} // namespace

TEST_F(CapoScenarioTest, TheDetailsDialogRetunesAndSetsACapoThatTheProfileAndLayoutKeep)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 32781   # key G\n"
        "cmd 2370    # Guitar\n"
        "answer ok 1023=\"D-3 A-3\" 1047=3\n"
        "answer ok 1023=\"" + kDropD + "\" 1047=13 1020=12\n"
        "answer ok 1023=\"" + kDropD + "\" 1047=3 1020=12\n"
        "cmd 32852   # Details\n"
        "print lines\n"
        "print accessible\n"
        "exit\n"
        "start\n"
        "activate Guitar\n"
        "print lines\n"
        "close\n"
        "cmd 2370    # Guitar again: its profile\n"
        "print lines\n");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string lines = Draw({"--set", "tuning=" + kDropD, "--set", "capo=3", "--set", "fretCount=12"});
    const std::string& out = result.out;
    EXPECT_TRUE(out.starts_with(
        "message: Please give each of the 6 strings a note and an octave, such as E-3  A-3  D-4  G-4  B-4  E-5.\n"
        "message: The capo must lie on one of the 12 frets, or at 0 for none.\n" + lines))
        << out;
    EXPECT_NE(out.find("summary: Guitar, G major: capo at fret 3; string 6 frets 4, 5, 7, 9, 10, 12; "), std::string::npos)
        << out;
    EXPECT_TRUE(out.ends_with(lines + lines)) << out;
}

TEST_F(CapoScenarioTest, DrawRefusesATuningThatDoesNotFitTheStrings)
{
    ScriptResult result = Cli({"draw", "Guitar", "--set", "tuning=E-3 A-3 X-4 G-4 B-4 E-5"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "morvix-cli draw: \"X-4\" is not a note and an octave from 0 to 10, such as E-3.\n");
    result = Cli({"draw", "Guitar", "--set", "capo=100"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "morvix-cli draw: capo takes a whole number from 0 to 99\n");
}

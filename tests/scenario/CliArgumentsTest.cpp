#include <cstdlib>

#include "../unit/midi/SmfBuilder.h"
#include "ScriptFixture.h"

namespace {

class CliArgumentsTest : public ScriptFixture {
protected:
    void TearDown() override
    {
        ::unsetenv("MORVIX_MIDI_OUT");
        ::unsetenv("XDG_DATA_HOME");
        ScriptFixture::TearDown();
    }

    std::string Song() const
    {
        TrackBody track;
        track.Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).End();
        Bytes bytes = Smf(0, 96, {track});
        return WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
    }
};

}  // namespace

TEST_F(CliArgumentsTest, PlayRefusesAFileWithABadHeaderAndAQueuePastTheLastRecord)
{
    ::setenv("MORVIX_MIDI_OUT", "null", 1);
    ScriptResult bad = Cli({"play", WriteFile("bad.mid", "RIFF and not a MIDI file").string()});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "morvix-cli play: " + (dir / "bad.mid").string() + " is not a MIDI file of format 0 or 1\n");
    ScriptResult named = Cli({"identify", "--file", (dir / "bad.mid").string()});
    EXPECT_EQ(named.status, 2);
    EXPECT_EQ(named.err, "message: Bad MIDI header - aborting...\nmorvix-cli identify: " + (dir / "bad.mid").string() +
                             " is not a MIDI file of format 0 or 1\n")
        << "identify --file refuses it in the same words";

    std::string song = Song();
    ScriptResult examined = Cli({"examine", "--play-list", song});
    int records = static_cast<int>(std::count(examined.out.begin(), examined.out.end(), '\n'));
    ASSERT_GT(records, 1);
    ScriptResult past = Cli({"play", song, "--queue", std::to_string(records)});
    EXPECT_EQ(past.status, 2);
    EXPECT_EQ(past.err, "morvix-cli play: --queue " + std::to_string(records) +
                            " is past the last record: the play list has " + std::to_string(records) + " records\n");
    EXPECT_EQ(Cli({"play", song, "--queue", std::to_string(records - 1)}).status, 0);
}

TEST_F(CliArgumentsTest, HelpAfterOtherWordsPrintsTheSubcommandsHelp)
{
    ScriptResult help = Cli({"draw", "Guitar", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: morvix-cli draw ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("Fields for --set"), std::string::npos) << help.out;
}

TEST_F(CliArgumentsTest, AWrongOptionIsNamedInTheError)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"draw", "Guitar", "--set", "fretCount"}, "morvix-cli draw: --set takes FIELD=VALUE, not \"fretCount\"\n"},
        {{"draw", "Guitar", "--frets", "3"}, "morvix-cli draw: unknown option --frets\n"},
        {{"draw", "Guitar", "--set"}, "morvix-cli draw: --set needs a value\n"},
        {{"report", "--colour", "red"}, "morvix-cli report: unknown option --colour\n"},
        {{"report", "--key"}, "morvix-cli report: --key needs a value\n"},
        {{"report", "G"}, "morvix-cli report: unexpected argument \"G\"\n"},
        {{"play", "--speed", "2"}, "morvix-cli play: unknown option --speed\n"},
        {{"play", "--rate"}, "morvix-cli play: --rate needs a value\n"},
    };
    for (const auto& [args, first] : cases) {
        ScriptResult result = Cli(args);
        EXPECT_EQ(result.status, 2) << args[0];
        EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), first);
    }
}

TEST_F(CliArgumentsTest, KeysAreTheSeventeenOfTheKeyMenuInAnyLetterCase)
{
    for (const auto& [typed, tonic] : std::vector<std::pair<std::string, std::string>>{
             {"c", "C"}, {"bb", "Bb"}, {"F#", "F#"}, {"gB", "Gb"}, {"DB", "Db"}}) {
        ScriptResult result = Cli({"report", "--key", typed});
        ASSERT_EQ(result.status, 0) << typed << result.err;
        EXPECT_EQ(result.out.rfind("Tonic:   " + tonic + "\n", 0), 0u) << typed;
    }
    for (const char* other : {"E#", "Cb", "B#", "Fb", "H", "c##"}) {
        ScriptResult result = Cli({"report", "--key", other});
        EXPECT_EQ(result.status, 2) << other;
        EXPECT_EQ(result.err, "morvix-cli report: the key " + std::string(other) +
                                  " is not one of the Key menu's C C# Db D D# Eb E F F# Gb G G# Ab A A# Bb B\n");
    }
}

TEST_F(CliArgumentsTest, AGroupOfScalesIsNoScale)
{
    ScriptResult group = Cli({"report", "--scale", "minor"});
    EXPECT_EQ(group.status, 2);
    EXPECT_EQ(group.err, "morvix-cli report: \"minor\" is a group of scales; name one of its scales\n");
    EXPECT_EQ(Cli({"draw", "Guitar", "--scale", "minor"}).status, 2);
    EXPECT_EQ(Cli({"report", "--scale", "natural minor"}).status, 0);
}

TEST_F(CliArgumentsTest, RegisterAndUnregisterSayWhyTheyFailed)
{
    // The data folder is a file: nothing can be made inside it.
    ::setenv("XDG_DATA_HOME", WriteFile("data", "a file").c_str(), 1);
    ScriptResult install = Run("start --register\n");
    EXPECT_EQ(install.out, "start ended without a main window, exit code 1\n");
    EXPECT_EQ(install.err, "start --register: cannot make the folder " + (dir / "data" / "applications").string() +
                               ": Not a directory\n");

    std::filesystem::create_directories(dir / "data2" / "applications" / "morvix.desktop" / "in the way");
    ::setenv("XDG_DATA_HOME", (dir / "data2").c_str(), 1);
    ScriptResult remove = Run("start --unregister\n");
    EXPECT_EQ(remove.out, "start ended without a main window, exit code 1\n");
    EXPECT_EQ(remove.err.rfind("start --unregister: cannot remove " +
                                   (dir / "data2" / "applications" / "morvix.desktop").string() + ": ",
                               0),
              0u)
        << remove.err;
}

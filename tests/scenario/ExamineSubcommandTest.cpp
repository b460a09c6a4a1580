#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace {

std::string Corpus(const std::string& name)
{
    return std::string(MORVIX_SOURCE_DIR) + "/tests/fuzz/corpus/midi_loader/" + name;
}

struct Examined {
    int status = 0;
    std::string out;
    std::string err;
};

Examined Examine(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    std::vector<std::string> command{"examine"};
    command.insert(command.end(), args.begin(), args.end());
    const int status = RunCli(command, out, err);
    return {status, out.str(), err.str()};
}

TEST(ExamineSubcommand, MessageBoxesGoToTheErrorStreamAndTheListingAloneToTheOutput)
{
    const std::string path = Corpus("cut_track.mid");
    const Examined examined = Examine({path});
    EXPECT_EQ(examined.status, 0);
    EXPECT_EQ(examined.err.rfind("message: MIDI track 1 is cut short: 32 of 4294967295 bytes read.\n"
                                 "message:  Merged 6 events, counted as ",
                                 0),
              0u)
        << examined.err;
    EXPECT_EQ(examined.out.rfind(path + "\nMThd :  format 0,  tracks 1,", 0), 0u) << examined.out;
    EXPECT_EQ(examined.out.find("message:"), std::string::npos) << examined.out;

    const Examined playList = Examine({"--play-list", path});
    EXPECT_EQ(playList.status, 0);
    EXPECT_EQ(playList.err, examined.err);
    EXPECT_EQ(playList.out.rfind("0 0 01 0 4D65726765 0\n", 0), 0u) << playList.out;
}

TEST(ExamineSubcommand, ARejectedFileStillListsItsHead)
{
    const std::string path = Corpus("bad_header.mid");
    const Examined examined = Examine({path});
    EXPECT_EQ(examined.status, 0);
    EXPECT_EQ(examined.err, "message: Bad MIDI header - aborting...\n");
    EXPECT_EQ(examined.out, path + "\nRIFF :  format 0,  tracks 0,  divisions 0, total bytes 14\n\n");
}

TEST(ExamineSubcommand, AnUnreadableFileOrWrongArgumentsFail)
{
    const Examined missing = Examine({Corpus("missing.mid")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos) << missing.err;
    EXPECT_EQ(Examine({}).status, 2);
    EXPECT_EQ(Examine({"--sorted", Corpus("format0_simple.mid")}).status, 2);
}

}  // namespace

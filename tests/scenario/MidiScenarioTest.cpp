#include "ScriptFixture.h"

using MidiScenarioTest = ScriptFixture;

namespace {

std::string Corpus(const std::string& name)
{
    return std::string(MORVIX_SOURCE_DIR) + "/tests/fuzz/corpus/midi_loader/" + name;
}

} // namespace

TEST_F(MidiScenarioTest, ExamineOpensAListingWindowWithTheMergeSummary)
{
    ScriptResult result = Run(
        "start\n"
        "answer ok file=\"" + Corpus("format1_two_tracks.mid") + "\"\n"
        "cmd 200\n"
        "print windows\n"
        "print listing\n"
        "cmd 183\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("message:  Merged "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("6 2001 format1_two_tracks.mid\n1 2000 Model\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("MThd :  format 1,  tracks 2,"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("MTrk :  # 2  track length"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("00010 Meta End of Track\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("disabled: 183"), std::string::npos) << result.out;
}

TEST_F(MidiScenarioTest, TheWindowListsWhatExamineListsLineForLine)
{
    const std::string path = Corpus("format0_simple.mid");
    std::ostringstream examined, messages;
    ASSERT_EQ(RunCli({"examine", path}, examined, messages), 0);
    ScriptResult result = Run(
        "start\n"
        "answer ok file=\"" + path + "\"\n"
        "cmd 200\n"
        "print listing\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string listing = examined.str();
    ASSERT_GE(result.out.size(), listing.size());
    EXPECT_EQ(result.out.substr(result.out.size() - listing.size()), listing) << result.out;
    EXPECT_EQ(result.out.substr(0, result.out.size() - listing.size()), messages.str());
}

TEST_F(MidiScenarioTest, AWrongFileWarnsAndStillShowsItsHead)
{
    ScriptResult result = Run(
        "start\n"
        "answer ok file=\"" + Corpus("bad_header.mid") + "\"\n"
        "cmd 200\n"
        "print listing\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("message: Bad MIDI header - aborting...\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("bad_header.mid\n"), std::string::npos) << result.out;
}

TEST_F(MidiScenarioTest, CancellingTheFileDialogOpensNothing)
{
    ScriptResult result = Run(
        "start\n"
        "answer cancel\n"
        "cmd 200\n"
        "print windows\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1 2000 Model\n");
}

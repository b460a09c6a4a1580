#include "ScriptFixture.h"

#include <algorithm>

using AccessibleScenarioTest = ScriptFixture;

TEST_F(AccessibleScenarioTest, EachWindowTellsItsRoleNameSummaryAndLines)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 32781   # key G\n"
        "cmd 2251    # chord maj\n"
        "print accessible\n"
        "cmd 2370    # Instrument > Guitar\n"
        "print accessible\n"
        "print lines\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_TRUE(out.starts_with("role: text\nname: Model\nsummary: G major, chord G maj\nTonic:   G\n")) << out;

    std::size_t guitar = out.find("role: graphic\nname: Guitar\n"
                                  "summary: Guitar, G major, chord G maj: string 6 frets 3, 7, 10, 15, 19, 22; ");
    ASSERT_NE(guitar, std::string::npos) << out;
    // The lines are the window's text lines without the blanks around them.
    std::size_t lines = out.find("\n\n", guitar);
    ASSERT_NE(lines, std::string::npos);
    std::string heard = out.substr(out.find('\n', out.find("summary: Guitar", guitar)) + 1);
    std::string firstString = heard.substr(0, heard.find('\n'));
    EXPECT_NE(out.find("\n" + firstString + "\n", lines + 1), std::string::npos) << out;
    EXPECT_TRUE(firstString.starts_with("  ")) << firstString;
    EXPECT_FALSE(firstString.ends_with(" ")) << firstString;
}

TEST_F(AccessibleScenarioTest, TheListingIsAListOfItsLines)
{
    const std::string path = std::string(MORVIX_SOURCE_DIR) + "/tests/fuzz/corpus/midi_loader/format0_simple.mid";
    ScriptResult listed = Run("start\nanswer ok file=\"" + path + "\"\ncmd 200\nprint listing\n");
    ScriptResult heard = Run("start\nanswer ok file=\"" + path + "\"\ncmd 200\nprint accessible\n");
    ASSERT_EQ(listed.status, 0) << listed.err;
    ASSERT_EQ(heard.status, 0) << heard.err;
    std::string listing = listed.out.substr(listed.out.find(path));
    auto count = std::count(listing.begin(), listing.end(), '\n');
    EXPECT_TRUE(heard.out.ends_with("role: list\nname: format0_simple.mid\nsummary: " + std::to_string(count) +
                                    " lines\n" + listing))
        << heard.out;
}

TEST_F(AccessibleScenarioTest, WithNoWindowActiveItSaysSo)
{
    ScriptResult result = Run(
        "start\n"
        "close\n"
        "print accessible\n");
    EXPECT_NE(result.status, 0);
    EXPECT_NE(result.err.find("no window is active"), std::string::npos) << result.err;
}

#include "ScriptFixture.h"
#include "text/TextFile.h"

namespace {

class ExportImageScenarioTest : public ScriptFixture {
protected:
    std::string Read(const std::filesystem::path& path) const
    {
        std::string text;
        EXPECT_TRUE(ReadWholeFile(path.string(), text)) << path;
        return text;
    }
};

} // namespace

TEST_F(ExportImageScenarioTest, FileExportImageWritesTheWindowsDrawingAtTheChosenScale)
{
    ScriptResult result = Run(
        "start\n"
        "cmd 2370    # Guitar\n"
        "answer ok 1301=0 1302=900\n"
        "answer ok 1302=200\n"
        "answer ok file=guitar\n"
        "cmd 32920   # File > Export Image...\n"
        "answer ok\n"
        "answer ok file=again.svg\n"
        "cmd 32920\n"
        "answer cancel\n"
        "cmd 32920\n"
        "answer ok 1301=1\n"
        "answer ok file=missing/guitar.svg\n"
        "cmd 32920\n"
        "print menu\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("message: Please enter an integer between 10 and 800.\n"
                                       "message: Cannot write the picture " +
                                       (dir / "missing/guitar.svg").string() + ".\\nNo such file or directory\n"))
        << result.out;
    EXPECT_NE(result.out.find("  Save &As... (57604)\n  &Export Image... (32920)\n"), std::string::npos) << result.out;
    std::string svg = Read(dir / "guitar.svg");
    EXPECT_TRUE(svg.starts_with("<?xml")) << svg.substr(0, 200);
    EXPECT_NE(svg.find("<title>Guitar</title>"), std::string::npos);
    // The window's 26 lines of 8 x 16 pixel cells, twice as large.
    std::size_t viewBox = svg.find("viewBox=\"0 0 ");
    ASSERT_NE(viewBox, std::string::npos);
    std::istringstream box(svg.substr(viewBox + 13));
    int width = 0, height = 0;
    box >> width >> height;
    EXPECT_NE(svg.find("width=\"" + std::to_string(2 * width) + "\" height=\"" + std::to_string(2 * height) + "\""),
              std::string::npos);
    // The second export kept the first one's scale and format.
    std::string again = Read(dir / "again.svg");
    EXPECT_NE(again.find("width=\"" + std::to_string(2 * width) + "\""), std::string::npos);
}

TEST_F(ExportImageScenarioTest, DrawWritesTheSameDrawingItWouldPrint)
{
    std::string path = (dir / "ukulele.svg").string();
    ScriptResult result = Cli({"draw", "Ukulele", "--key", "G", "--set", "fretCount=3", "--ascii", "--svg", path,
                               "--zoom", "50"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    std::string svg = Read(path);
    // 20 columns and 7 lines of 8 x 12 cells, one more of each for the margins.
    EXPECT_NE(svg.find(" width=\"84\" height=\"48\" viewBox=\"0 0 168 96\""), std::string::npos) << svg;
    EXPECT_NE(svg.find(">|A|----|--B-|--C-|</text>"), std::string::npos) << svg;

    // --scale stays the model's scale; --zoom sizes the picture.
    result = Cli({"draw", "Ukulele", "--key", "A", "--scale", "harmonic minor", "--svg", path});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(Read(path).find(">G#<"), std::string::npos);

    result = Cli({"draw", "Ukulele", "--svg", path, "--surface"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "morvix-cli draw: --surface prints the drawing, --svg and --png write it: choose one\n");
    result = Cli({"draw", "Ukulele", "--svg", path, "--zoom", "5"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "morvix-cli draw: --zoom takes a whole number from 10 to 800 (percent)\n");
    result = Cli({"draw", "Ukulele", "--svg", (dir / "no" / "u.svg").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "morvix-cli draw: cannot write the picture " + (dir / "no" / "u.svg").string() +
                              ": No such file or directory\n");
}

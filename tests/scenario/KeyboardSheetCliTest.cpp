#include "ScriptFixture.h"

using KeyboardSheetCli = ScriptFixture;

TEST_F(KeyboardSheetCli, DrawPrintsAKeyboardWithItsFieldsSet)
{
    ScriptResult result = Cli({"draw", "Keyboard-25", "--ascii", "--set", "keyCount=5", "--set", "topKey=c",
                               "--key", "D", "--set", "position=m"});
    ASSERT_EQ(result.status, 0) << result.err;
    // D, D#, E, F and F# (F# reads down its black key), then G's edge.
    EXPECT_EQ(result.out, "______________\n"
                          " | | |  |  | |\n"
                          " | | |  |  | |\n"
                          " | | |  |  |F|\n"
                          " | | |  |  |#|\n"
                          " | | |  |  | |\n"
                          "_| |_|  |  |_|\n"
                          "|   |   |   | \n"
                          "|   |   |   | \n"
                          "| D | E |   | \n"
                          "|   |   |   | \n"
                          "--------------\n");
}

TEST_F(KeyboardSheetCli, DrawPrintsTheStaffInEitherStyle)
{
    ScriptResult text = Cli({"draw", "Treble-Clef", "--ascii", "--key", "G"});
    ASSERT_EQ(text.status, 0) << text.err;
    std::istringstream lines(text.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 75u);
    EXPECT_EQ(rows[29].substr(0, 6), "-----#");
    EXPECT_EQ(rows[35].substr(0, 4), "e-G-");

    ScriptResult graph = Cli({"draw", "Treble-Clef", "--ascii", "--set", "viewStyle=g"});
    ASSERT_EQ(graph.status, 0) << graph.err;
    EXPECT_EQ(graph.out.find("e-G-"), std::string::npos);
}

TEST_F(KeyboardSheetCli, SurfacePrintsTheGraphViewsDrawingCalls)
{
    ScriptResult keyboard = Cli({"draw", "Keyboard-25", "--surface", "--set", "keyCount=2"});
    ASSERT_EQ(keyboard.status, 0) << keyboard.err;
    EXPECT_EQ(keyboard.out, "fill 0 0 2112 3168 color=16777215\n"
                            "image 0 0 142\n"
                            "image 18 0 144\n"
                            "text 10 106 \"C\" fore=0 back=16777215 opaque\n"
                            "size 35 152\n");

    ScriptResult sheet = Cli({"draw", "Bass-Clef", "--surface", "--key", "F"});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    EXPECT_NE(sheet.out.find("\nimage 4 "), std::string::npos) << sheet.out;
    EXPECT_NE(sheet.out.find(" 156\n"), std::string::npos);
    EXPECT_NE(sheet.out.find(" 159\n"), std::string::npos);
    EXPECT_NE(sheet.out.find("\ntext 4 208 \""), std::string::npos);
    EXPECT_NE(sheet.out.find("\nsize "), std::string::npos);
}

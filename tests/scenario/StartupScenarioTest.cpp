#include "ScriptFixture.h"

using StartupScenarioTest = ScriptFixture;

// The largest text file the editor opens itself.
constexpr size_t kLargestEditedFile = 8 * 1024 * 1024;

TEST_F(StartupScenarioTest, NewOpensATextWindowAfterTheStartingModel)
{
    ScriptResult result = Run("start\nprint windows\ncmd 57600   # File New\nprint windows\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1 2000 Model\n"
                          "0 2001 Morvix1\n1 2000 Model\n");
}

TEST_F(StartupScenarioTest, TextUpTo8MiBOpensAndLargerFilesAsk)
{
    WriteFile("fits.txt", std::string(kLargestEditedFile, 'a'));
    WriteFile("large.txt", std::string(kLargestEditedFile + 1, 'a'));
    ScriptResult result = Run("start\nopen fits.txt\nanswer cancel\nopen \"large.txt\"\nprint windows\n");
    EXPECT_EQ(result.status, 0) << result.err;
    std::string message = "message: The file " + (dir / "large.txt").string() + " is too large for this editor.\\n\\n";
    EXPECT_EQ(result.out.rfind(message, 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\n0 2001 fits.txt\n1 2000 Model\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("large.txt\n"), std::string::npos) << result.out;
}

TEST_F(StartupScenarioTest, ActivateBringsAWindowToTheFrontAndCloseClosesIt)
{
    ScriptResult result = Run("start\ncmd 57600\nactivate Model\nprint windows\nclose\nprint windows\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1 2000 Model\n0 2001 Morvix1\n"
                          "0 2001 Morvix1\n");
}

TEST_F(StartupScenarioTest, CopiedTextReachesTheClipboardWithUnixLineEnds)
{
    WriteFile("notes.txt", "first\r\nsecond");
    ScriptResult result = Run("start\nopen notes.txt\ncmd 57642  # select all\ncmd 57634  # copy\nprint clipboard\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "first\nsecond\n");
}

TEST_F(StartupScenarioTest, ModalsWithoutAnswersAndDisabledCommandsAreReported)
{
    ScriptResult result = Run("start\ncmd 57664\nanswer ok\ncmd 57664\ncmd 1\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "unanswered: About Morvix Music Reference\ndisabled: 1\n");
}

TEST_F(StartupScenarioTest, AStartAfterExitIsANewProcessWithTheSameProfile)
{
    std::string profile = (dir / "profile.ini").string();
    ::setenv("MORVIX_PROFILE", profile.c_str(), 1);
    ScriptResult result = Run("start\ncmd 57600\nexit\nstart\nprint windows\nexit\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 13), "1 2000 Model\n") << result.out;
    std::ifstream in(profile);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("[Settings]\nWindowPos="), std::string::npos) << text.str();
}

TEST_F(StartupScenarioTest, FilesNamedAtStartOpenAfterTheModelAndAMissingOneIsNamed)
{
    WriteFile("chords.txt", "C E G\n");
    ScriptResult result = Run("start chords.txt missing.txt\nprint windows\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "message: The file " + (dir / "missing.txt").string() + " does not exist.\n"
                          "0 2001 chords.txt\n1 2000 Model\n");
}

TEST_F(StartupScenarioTest, MenuShowsTheRecentFilesAcrossARestartAndTheWindowList)
{
    WriteFile("chords.txt", "C E G\n");
    ScriptResult result = Run("start\nopen chords.txt\nopen chords.txt\nexit\nstart\nprint menu\n");
    EXPECT_EQ(result.status, 0) << result.err;
    std::string documents = "  &Documents\n    &Tutorial (32868)\n    -\n    &1 " + (dir / "chords.txt").string() +
                            " (57616)\n  Load... (182)\n";
    EXPECT_NE(result.out.find(documents), std::string::npos) << result.out;
    // The layout brought both windows back, the text first and active.
    EXPECT_NE(result.out.find("  -\n  &1 chords.txt (65280) checked\n  &2 Model (65281)\n&Help\n"),
              std::string::npos) << result.out;
}

TEST_F(StartupScenarioTest, PrintPrintsTheActiveViewsTextAndSetupIsAlwaysThere)
{
    WriteFile("notes.txt", "C E G\nD F A\n");
    ScriptResult result = Run("start\ncmd 57607\nopen notes.txt\ncmd 57609\ncmd 57606\nprint menu\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("print: Model (7 lines, ", 0), 0u) << result.out;
    EXPECT_NE(result.out.find("\npreview: notes.txt (2 lines, "), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\nprint setup\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("  &Print...\\tCtrl+P (57607)\n"), std::string::npos) << result.out;
}

// The guide is part of the program: it comes from the program's folder
// (here the test's own, where the build copies res/), not from MORVIX_HOME.
// A missing guide is told by MainFrameTest.
TEST_F(StartupScenarioTest, HelpHandsTheProgramsUserGuideToTheBrowser)
{
    std::string guide = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "help" / "index.html").string();
    ScriptResult result = Run("start\ncmd 57670   # Help\nprint windows\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1 2000 Model\nlaunch: help " + guide + "\n");

    std::filesystem::remove_all(dir / "home" / "help");
    result = Run("start\ncmd 57666   # Help > Index\nprint windows\n");
    EXPECT_EQ(result.out, "1 2000 Model\nlaunch: help " + guide + "\n") << "the home's copy was never read";
}

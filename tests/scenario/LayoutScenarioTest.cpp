#include "ScriptFixture.h"

using LayoutScenarioTest = ScriptFixture;

TEST_F(LayoutScenarioTest, AnExitThatCannotWriteTheLayoutNamesItOnStderrAndEndsWithStatusOne)
{
    std::filesystem::create_directories(dir / "home" / "LAYOUT.USE" / "in the way");
    ScriptResult result = Run("start\ncmd 57600\nexit\nstart\nprint windows\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "The window layout could not be saved to " + (dir / "home" / "LAYOUT.USE").string() +
                              ": Is a directory.\n");
    EXPECT_EQ(result.out.find("unanswered"), std::string::npos) << result.out;
    EXPECT_EQ(result.out, "1 2000 Model\n") << "the exit went ahead: a new start has only its new model";
}

TEST_F(LayoutScenarioTest, ALayoutLineThatCannotBeReadIsNamedOnceAndItsWindowStartsFresh)
{
    WriteFile("home/LAYOUT.USE", "; a damaged layout\n"
                                 "Model 1 -1 0 _Generic 1 0 0 0 20 20 340 150 3 12 8 400 0 255 0 49 Terminal $ "
                                 "_Model e G major $ no chord at all $ -1\n");
    ScriptResult result = Run("start\nprint windows\nprint report\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("message: Some windows could not be restored: Model.\n1 2000 Model\nTonic:   C\n", 0),
              0u)
        << result.out;
}

#include "ScriptFixture.h"

using ScriptErrorsTest = ScriptFixture;

// The largest text file the editor opens itself.
constexpr size_t kLargestEditedFile = 8 * 1024 * 1024;

TEST_F(ScriptErrorsTest, ABadLineStopsTheScriptNamingItsLine)
{
    struct Case {
        std::string line;
        std::string message;
    };
    const Case cases[] = {
        {"frobnicate", "unknown command \"frobnicate\""},
        {"cmd", "usage: cmd ID"},
        {"cmd 57600 57601", "usage: cmd ID"},
        {"cmd New", "must be a number"},
        {"open \"fits.txt", "unbalanced quote"},
        {"answer maybe", "an answer is ok, cancel, yes, no or a button id"},
        {"answer ok 1001", "NAME=VALUE"},
        {"key sideways 65", "usage: key down|up CODE"},
        {"key down 999", "between 1 and 254"},
        {"wait -5", "cannot be negative"},
        {"print nothing", "topics: windows clipboard"},
        {"activate Nowhere", "no window shows a document titled \"Nowhere\""},
        {"start", "already running"},
    };
    for (const Case& c : cases) {
        ScriptResult result = Run("# header\nstart\n\n" + c.line + "\nprint windows\n");
        EXPECT_EQ(result.status, 2) << c.line;
        EXPECT_NE(result.err.find("script.txt:4: "), std::string::npos) << c.line << ": " << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.line << ": " << result.err;
        EXPECT_EQ(result.out.find("Model"), std::string::npos) << "ran on after " << c.line;
    }
}

TEST_F(ScriptErrorsTest, CommandsNeedingTheApplicationFailBeforeStart)
{
    for (std::string line : {"cmd 57600", "print windows", "close", "exit", "open x.txt", "key down A"}) {
        ScriptResult result = Run(line + "\n");
        EXPECT_EQ(result.status, 2) << line;
        EXPECT_NE(result.err.find("script.txt:1: there is no running application"), std::string::npos)
            << line << ": " << result.err;
    }
}

TEST_F(ScriptErrorsTest, AnAnswerThatFitsNoButtonStopsWhereItWasMet)
{
    WriteFile("large.txt", std::string(kLargestEditedFile + 1, 'a'));
    ScriptResult result = Run("start\nanswer yes\nopen large.txt\nprint windows\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("script.txt:3: the answer from line 2"), std::string::npos) << result.err;
}

TEST_F(ScriptErrorsTest, AMissingScriptOrSubcommandIsAClearUsageError)
{
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"run", (dir / "absent.txt").string()}, out, err), 2);
    EXPECT_NE(err.str().find("cannot read the script"), std::string::npos);
    EXPECT_EQ(RunCli({"run"}, out, err), 2);
    EXPECT_EQ(RunCli({"frobnicate"}, out, err), 2);
    EXPECT_EQ(RunCli({}, out, err), 2);
    EXPECT_EQ(RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("  run SCRIPT\n"), std::string::npos) << out.str();
}

#include <gtest/gtest.h>

#include "cli/ScriptArguments.h"
#include "cli/ScriptError.h"
#include "cli/ScriptLine.h"

TEST(ScriptLineTest, BlanksSeparateQuotesGroupAndHashesComment)
{
    EXPECT_EQ(SplitScriptLine("  cmd\t57600  "), (ScriptWords{"cmd", "57600"}));
    EXPECT_EQ(SplitScriptLine("activate \"Model 2\" # the second"), (ScriptWords{"activate", "Model 2"}));
    EXPECT_EQ(SplitScriptLine("answer ok file=\"/tmp/a b.txt\""), (ScriptWords{"answer", "ok", "file=/tmp/a b.txt"}));
    EXPECT_EQ(SplitScriptLine("answer ok 1001=C# \"\""), (ScriptWords{"answer", "ok", "1001=C#", ""}));
    EXPECT_EQ(SplitScriptLine("open \"#1.txt\""), (ScriptWords{"open", "#1.txt"}));
    EXPECT_EQ(SplitScriptLine("exit\r"), (ScriptWords{"exit"}));
    EXPECT_TRUE(SplitScriptLine("   # only a comment").empty());
    EXPECT_THROW(SplitScriptLine("open \"a b.txt"), ScriptError);
}

TEST(ScriptLineTest, KeyCodesAreNumbersOrSingleCharacters)
{
    EXPECT_EQ(ParseKeyCode("a"), 65);
    EXPECT_EQ(ParseKeyCode("Z"), 90);
    EXPECT_EQ(ParseKeyCode("7"), '7');
    EXPECT_EQ(ParseKeyCode("09"), 9);
    EXPECT_EQ(ParseKeyCode("186"), 186);
    EXPECT_THROW(ParseKeyCode("F1"), ScriptError);
    EXPECT_THROW(ParseKeyCode("00"), ScriptError);
}

TEST(ScriptLineTest, AnswersNameAButtonAndFields)
{
    PromptAnswer answer = ParseAnswer({"1014", "1001=Roman", "Title=a=b"});
    EXPECT_EQ(answer.reply, 1014);
    ASSERT_EQ(answer.fields.size(), 2u);
    EXPECT_EQ(answer.fields[1], (std::pair<std::string, std::string>{"Title", "a=b"}));
    EXPECT_EQ(ParseAnswer({"no"}).reply, IDNO);
    EXPECT_THROW(ParseAnswer({"0"}), ScriptError);
}

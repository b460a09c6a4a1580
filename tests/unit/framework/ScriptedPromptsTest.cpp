#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/headless/ScriptedPrompts.h"

namespace {

class ScriptedPromptsTest : public ::testing::Test {
protected:
    void Answer(int reply, std::vector<std::pair<std::string, std::string>> fields = {})
    {
        prompts.Queue({reply, std::move(fields), "line 1"});
    }

    static DialogData NotationDialog()
    {
        DialogData dialog;
        dialog.caption = "Notation Method";
        DialogControl method;
        method.id = 1001;
        method.kind = DialogControl::Kind::DropList;
        method.label = "&Method";
        method.choices = {"Letters", "Degrees", "Roman"};
        dialog.Add(method);
        DialogControl title;
        title.id = 1002;
        title.label = "&Title";
        dialog.Add(title);
        dialog.extraButtons = {1014};
        return dialog;
    }

    std::ostringstream out;
    ScriptedPrompts prompts{out};
};

}  // namespace

TEST_F(ScriptedPromptsTest, MessageBoxesArePrintedOnOneLine)
{
    Answer(IDCANCEL);
    EXPECT_EQ(prompts.MessageBox("first\r\nsecond\nthird", "Morvix", MessageIcon::Information,
                                 MessageButtons::Ok), IDOK);
    // A box with only OK leaves the queued answer for the next modal.
    EXPECT_EQ(prompts.Pending(), 1u);
    EXPECT_EQ(prompts.MessageBox("Sure?", "Morvix", MessageIcon::Question, MessageButtons::OkCancel), IDCANCEL);
    EXPECT_EQ(prompts.Pending(), 0u);
    EXPECT_EQ(out.str(), "message: first\\nsecond\\nthird\nmessage: Sure?\n");
}

TEST_F(ScriptedPromptsTest, AModalWithoutAnAnswerIsCancelledAndPrinted)
{
    EXPECT_EQ(prompts.MessageBox("Save?", "Morvix", MessageIcon::Question, MessageButtons::YesNo), IDNO);
    DialogData dialog = NotationDialog();
    EXPECT_EQ(prompts.RunDialog(dialog), IDCANCEL);
    EXPECT_FALSE(prompts.ChooseFile({true, "Examine", "", ""}));
    LogFont font;
    EXPECT_FALSE(prompts.ChooseFont(font, FontFilter::Any));
    EXPECT_EQ(out.str(), "message: Save?\nunanswered: Morvix\nunanswered: Notation Method\n"
                         "unanswered: Examine\nunanswered: Font\n");
    EXPECT_FALSE(prompts.TakeError());
}

TEST_F(ScriptedPromptsTest, AnAnswerThatFitsNoButtonIsAnErrorAndCancels)
{
    Answer(IDYES);
    EXPECT_EQ(prompts.MessageBox("Open?", "Morvix", MessageIcon::Question, MessageButtons::OkCancel), IDCANCEL);
    auto error = prompts.TakeError();
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("line 1"), std::string::npos) << *error;
    EXPECT_FALSE(prompts.TakeError());
}

TEST_F(ScriptedPromptsTest, DialogFieldsAreSetByIdOrLabelBeforeTheReply)
{
    DialogData dialog = NotationDialog();
    Answer(1014, {{"1001", "Roman"}, {"Title", "mine"}});
    EXPECT_EQ(prompts.RunDialog(dialog), 1014);
    EXPECT_EQ(dialog.Find(1001)->value, 2);
    EXPECT_EQ(dialog.Find(1002)->text, "mine");
    EXPECT_FALSE(prompts.TakeError());
}

TEST_F(ScriptedPromptsTest, ABadFieldLeavesTheDialogUntouched)
{
    DialogData dialog = NotationDialog();
    Answer(IDOK, {{"1002", "changed"}, {"1001", "Solfege"}});
    EXPECT_EQ(prompts.RunDialog(dialog), IDCANCEL);
    EXPECT_EQ(dialog.Find(1002)->text, "");
    EXPECT_TRUE(prompts.TakeError());

    Answer(IDOK, {{"9999", "1"}});
    EXPECT_EQ(prompts.RunDialog(dialog), IDCANCEL);
    EXPECT_TRUE(prompts.TakeError());
}

TEST_F(ScriptedPromptsTest, FileFontAndColourChoosersTakeTheirFields)
{
    std::string existing = std::filesystem::temp_directory_path().string();
    Answer(IDOK, {{"file", existing}});
    EXPECT_EQ(prompts.ChooseFile({true, "Open", "", ""}), existing);
    Answer(IDOK, {{"file", existing + "/no such file"}});
    EXPECT_FALSE(prompts.ChooseFile({true, "Open", "", ""}));
    EXPECT_TRUE(prompts.TakeError());
    Answer(IDOK, {{"file", existing + "/new.txt"}});
    EXPECT_EQ(prompts.ChooseFile({false, "Save As", "", ""}), existing + "/new.txt");

    LogFont font;
    Answer(IDOK, {{"face", "Courier New"}, {"height", "-13"}, {"weight", "700"}});
    ASSERT_TRUE(prompts.ChooseFont(font, FontFilter::Any));
    EXPECT_EQ(font.faceName, "Courier New");
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.weight, 700);

    Answer(IDOK, {{"color", "0x0000FF"}});
    EXPECT_EQ(prompts.ChooseColor(0), 0xFFu);
    EXPECT_FALSE(prompts.TakeError());
}

// The text view's editing control as the core sees it: UTF-8 text, byte
// offsets, line endings kept, selection without scrolling.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QScrollBar>

#include <memory>

#include "framework/CommandIds.h"
#include "framework/Menu.h"
#include "platform/qt/CommandRouter.h"
#include "platform/qt/MenuRenderer.h"
#include "platform/qt/TextEditor.h"

namespace {

class TextEditorTest : public ::testing::Test {
protected:
    CommandRouter router;
    MenuRenderer menus{router};
    TextEditor editor{ViewLink(nullptr, menus)};
};

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

}  // namespace

TEST_F(TextEditorTest, TextComesBackAsItWasSetLineEndingsIncluded)
{
    editor.SetText("one\r\ntwo\r\n");
    EXPECT_EQ(editor.GetText(), "one\r\ntwo\r\n");
    editor.SetText("caf\xC3\xA9\nthree");
    EXPECT_EQ(editor.GetText(), "caf\xC3\xA9\nthree");
    EXPECT_FALSE(editor.IsModified());
}

TEST_F(TextEditorTest, SelectionOffsetsIndexTheTextTheCoreReads)
{
    editor.SetText("ab\r\ncaf\xC3\xA9 x");
    editor.SetSelection(4, 9);
    int start = -1, end = -1;
    editor.GetSelection(start, end);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(end, 9);
    EXPECT_EQ(editor.GetText().substr(start, end - start), "caf\xC3\xA9");
    EXPECT_EQ(editor.textCursor().selectedText(), QStringLiteral(u"caf\u00E9"));

    editor.SetSelection(0, -1);
    editor.GetSelection(start, end);
    EXPECT_EQ(end, static_cast<int>(editor.GetText().size()));
    editor.SetSelection(-1, 0);
    editor.GetSelection(start, end);
    EXPECT_EQ(start, end);
}

TEST_F(TextEditorTest, ScrollingThenSelectingKeepsTheFirstLine)
{
    editor.resize(300, 120);
    editor.show();
    editor.SetText(NumberedLines(200));
    editor.ScrollLines(50);
    EXPECT_EQ(editor.FirstVisibleLine(), 50);
    editor.SetSelection(0, 3);  // far above the visible part
    EXPECT_EQ(editor.FirstVisibleLine(), 50);
    editor.ScrollLines(-10);
    EXPECT_EQ(editor.FirstVisibleLine(), 40);
}

TEST_F(TextEditorTest, ScrollingBeforeTheEditorIsShownAppliesOnShow)
{
    editor.SetText(NumberedLines(200));
    editor.ScrollLines(30);
    EXPECT_EQ(editor.FirstVisibleLine(), 30);
    editor.resize(300, 120);
    editor.show();
    EXPECT_EQ(editor.verticalScrollBar()->value(), 30);
}

TEST_F(TextEditorTest, EditCommandsAndFlags)
{
    editor.SetText("hello world");
    editor.EditCommand(ID_EDIT_SELECT_ALL);
    int start = -1, end = -1;
    editor.GetSelection(start, end);
    EXPECT_EQ(end - start, 11);
    editor.SetSelection(5, 11);
    editor.EditCommand(ID_EDIT_CLEAR);
    EXPECT_EQ(editor.GetText(), "hello");
    EXPECT_TRUE(editor.IsModified());
    editor.EditCommand(ID_EDIT_UNDO);
    EXPECT_EQ(editor.GetText(), "hello world");
    editor.SetModified(false);
    EXPECT_FALSE(editor.IsModified());

    editor.SetReadOnly(true);
    EXPECT_TRUE(editor.IsReadOnly());
    editor.ShowScrollBars(true, false);
    EXPECT_EQ(editor.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(editor.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

// Window > New Window: two editors on one text, either of which may close first.
TEST_F(TextEditorTest, EditorsSharingATextSeeEachOthersEditsAndOutliveEachOther)
{
    editor.SetText("one\r\ntwo\r\n");
    auto second = std::make_unique<TextEditor>(ViewLink(nullptr, menus));
    second->ShareText(editor);
    EXPECT_EQ(second->GetText(), "one\r\ntwo\r\n");
    second->SetSelection(0, 3);
    second->textCursor().insertText(QStringLiteral("uno"));
    EXPECT_EQ(editor.GetText(), "uno\r\ntwo\r\n");
    EXPECT_TRUE(editor.IsModified());
    editor.EditCommand(ID_EDIT_UNDO);
    EXPECT_EQ(second->GetText(), "one\r\ntwo\r\n");

    auto third = std::make_unique<TextEditor>(ViewLink(nullptr, menus));
    third->ShareText(*second);
    second->show();
    third->show();
    second->grab();
    second.reset();
    third->grab();
    third->SetSelection(0, -1);
    third->textCursor().insertText(QStringLiteral("three"));
    EXPECT_EQ(editor.GetText(), "three");
    editor.show();
    third.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(editor.GetText(), "three");
    editor.grab();
}

// The editor a document was made in may close first: the text stays laid
// out without its viewport.
TEST_F(TextEditorTest, ASharedTextOutlivesTheEditorItWasMadeIn)
{
    auto original = std::make_unique<TextEditor>(ViewLink(nullptr, menus));
    original->SetText("C E G\n");
    original->show();
    editor.ShareText(*original);
    editor.show();
    const QPaintDevice* gone = original->viewport();
    original.reset();
    EXPECT_NE(editor.document()->documentLayout()->paintDevice(), gone);
    editor.textCursor().insertText(QStringLiteral("D "));
    editor.grab();
    EXPECT_EQ(editor.GetText(), "D C E G\n");
}

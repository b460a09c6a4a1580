#include <string>

#include "AppFixture.h"
#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "instruments/StringedDoc.h"
#include "platform/headless/HeadlessFrameWindow.h"
#include "platform/headless/HeadlessTextControl.h"
#include "platform/headless/HeadlessWindowSystem.h"

namespace {

class NewWindowTest : public AppFixture {
protected:
    HeadlessTextControl* Control(CFrame* frame) const
    {
        return static_cast<HeadlessTextControl*>(frame->Window()->TextControl());
    }

    bool NewWindowEnabled() { return app->QueryCommand(ID_NEW_WINDOW).enabled; }
};

} // namespace

TEST_F(NewWindowTest, ASecondWindowOnATextFileEditsTheSameText)
{
    ASSERT_TRUE(Start());
    auto path = WriteFile("notes.txt", "C E G\n");
    ASSERT_NE(app->OpenFileByType(path.string()), nullptr);
    CFrame* first = app->ActiveFrame();
    Answer(IDOK, {{"face", "DejaVu Sans Mono"}, {"height", "-17"}});
    app->RouteCommand(ID_VIEW_FONT);
    ASSERT_TRUE(NewWindowEnabled());
    app->RouteCommand(ID_NEW_WINDOW);
    CFrame* second = app->ActiveFrame();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->Document(), first->Document());
    EXPECT_EQ(first->Caption(), "notes.txt:1");
    EXPECT_EQ(second->Caption(), "notes.txt:2");
    EXPECT_EQ(HeadlessWindowSystem::WindowOf(*first)->Caption(), "notes.txt:1") << "the title bar says so too";
    EXPECT_EQ(HeadlessWindowSystem::WindowOf(*second)->Caption(), "notes.txt:2");
    EXPECT_EQ(Control(second)->Font().faceName, "DejaVu Sans Mono");

    Control(second)->SetSelection(6, 6);
    Control(second)->ReplaceSelection("Bb\n");
    EXPECT_EQ(Control(first)->GetText(), "C E G\nBb\n");
    EXPECT_TRUE(Control(first)->IsModified());
    Control(first)->SetSelection(0, -1);
    Control(first)->ReplaceSelection("D");
    EXPECT_EQ(Control(second)->GetText(), "D");
    int start = 0, end = 0;
    Control(second)->GetSelection(start, end);
    EXPECT_EQ(end, 1);  // its caret stays within the shorter text

    // Closing one of two windows asks nothing; the last one asks about the edits.
    first->OnClose();
    app->CollectGarbage();
    EXPECT_EQ(TakeOutput(), "");
    EXPECT_EQ(second->Caption(), "notes.txt");
    Answer(IDNO);
    second->OnClose();
    EXPECT_NE(TakeOutput().find("Save changes to notes.txt?"), std::string::npos);
}

TEST_F(NewWindowTest, BothWindowsOfAModelFollowItAndShareItsMenu)
{
    ASSERT_TRUE(Start());
    CFrame* first = Model()->FirstFrame();
    first->Activate();
    app->RouteCommand(ID_NEW_WINDOW);
    CFrame* second = app->ActiveFrame();
    ASSERT_EQ(second->Document(), Model());
    EXPECT_EQ(second->GetMenu(), first->GetMenu());
    EXPECT_TRUE(Control(second)->IsReadOnly());
    app->RouteCommand(ID_KEY_FIRST + 7);  // the key F, from the second window
    EXPECT_NE(Control(first)->GetText().find("Tonic:   F"), std::string::npos);
    EXPECT_EQ(Control(second)->GetText(), Control(first)->GetText());
    OpenInstrument<CStringedDoc>("Guitar");
    EXPECT_NE(second->GetMenu()->FindCommand(ID_FRAME_FIRST), nullptr);
}

TEST_F(NewWindowTest, InstrumentWindowsOfferNone)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenInstrument<CStringedDoc>("Guitar"), nullptr);
    EXPECT_FALSE(NewWindowEnabled());
    std::size_t frames = app->Frames().size();
    app->RouteCommand(ID_NEW_WINDOW);
    EXPECT_EQ(app->Frames().size(), frames);
}

// The Window popup's list of open windows, "More Windows..." past nine,
// stepping through every window, and numbered captions.
#include "FrameworkFixture.h"

#include "framework/CommandIds.h"

namespace {

class WindowListTest : public FrameworkFixture {
protected:
    void SetUp() override { MakeApp(); }

    // The Window popup as it shows just before it opens.
    std::vector<std::string> WindowPopupTexts()
    {
        if (!popup) {
            popup = CMenu::Create();
            popup->AppendCommand("&Cascade", ID_WINDOW_CASCADE);
        }
        app->PreparePopupTree(*popup);
        std::vector<std::string> texts;
        for (const MenuItem& item : popup->Items())
            texts.push_back(item.kind == MenuItem::Kind::Separator ? "-" : item.text);
        return texts;
    }

    std::string ActiveTitle() { return app->ActiveFrame()->Document()->GetTitle(); }

    MenuPtr popup;
};

}  // namespace

TEST_F(WindowListTest, NineWindowsAreListedAndMoreWindowsReachesTheRest)
{
    for (int i = 0; i < 9; ++i)
        OpenNew(0);
    std::vector<std::string> nine = WindowPopupTexts();
    ASSERT_EQ(nine.size(), 11u);
    EXPECT_EQ(nine[2], "&1 Text1");
    EXPECT_EQ(nine.back(), "&9 Text9");

    for (int i = 0; i < 3; ++i)
        OpenNew(0);
    std::vector<std::string> twelve = WindowPopupTexts();
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_EQ(twelve[10], "&9 Text9");
    EXPECT_EQ(twelve.back(), "&More Windows...");
    EXPECT_TRUE(app->QueryCommand(ID_WINDOW_MORE).enabled);

    // The list names every window and starts on the active one.
    ports.prompts.Queue({IDOK, {{"100", "Text11"}}, "test"});
    ASSERT_TRUE(app->RouteCommand(ID_WINDOW_MORE));
    const DialogControl* list = ports.prompts.LastDialog().Find(100);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->choices.size(), 12u);
    EXPECT_EQ(list->value, 11);
    EXPECT_EQ(ActiveTitle(), "Text11");

    // Closing windows takes the item away again.
    for (int i = 0; i < 3; ++i)
        app->ActiveFrame()->OnClose();
    EXPECT_EQ(WindowPopupTexts().back(), "&9 Text9");
}

TEST_F(WindowListTest, CtrlF6StepsThroughEveryWindowInListOrder)
{
    for (int i = 0; i < 3; ++i)
        OpenNew(0);
    EXPECT_EQ(ActiveTitle(), "Text3");
    app->RouteCommand(ID_WINDOW_NEXT_CHILD);
    EXPECT_EQ(ActiveTitle(), "Text1");
    app->RouteCommand(ID_WINDOW_NEXT_CHILD);
    EXPECT_EQ(ActiveTitle(), "Text2");
    app->RouteCommand(ID_WINDOW_PREVIOUS_CHILD);
    app->RouteCommand(ID_WINDOW_PREVIOUS_CHILD);
    EXPECT_EQ(ActiveTitle(), "Text3");
}

TEST_F(WindowListTest, WithoutWindowsTheWindowCommandsAreGreyed)
{
    for (int id : {ID_WINDOW_MORE, ID_WINDOW_NEXT_CHILD, ID_WINDOW_PREVIOUS_CHILD})
        EXPECT_FALSE(app->QueryCommand(id).enabled) << id;
}

TEST_F(WindowListTest, WindowsSharingATitleAreNumberedWhileTheyShareIt)
{
    CDocument* first = OpenNew(0);
    CDocument* second = OpenNew(0);
    CDocument* third = OpenNew(0);
    first->SetTitle("Guitar");
    second->SetTitle("Guitar");
    EXPECT_EQ(app->CaptionOf(*first->FirstFrame()), "Guitar:1");
    EXPECT_EQ(app->CaptionOf(*second->FirstFrame()), "Guitar:2");
    EXPECT_EQ(app->CaptionOf(*third->FirstFrame()), "Text3");
    EXPECT_EQ(WindowPopupTexts()[3], "&2 Guitar:2");

    first->FirstFrame()->OnClose();
    EXPECT_EQ(app->CaptionOf(*second->FirstFrame()), "Guitar");
    EXPECT_EQ(WindowPopupTexts()[2], "&1 Guitar");
}

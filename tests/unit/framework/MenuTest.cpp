#include <gtest/gtest.h>

#include "framework/Menu.h"

namespace {

MenuPtr ModelMenu()
{
    auto file = CMenu::Create();
    file->AppendCommand("&New\tCtrl+N", 57600);
    file->AppendSeparator();
    file->AppendCommand("E&xit", 57665);
    auto menu = CMenu::Create();
    menu->AppendPopup("&File", file);
    menu->AppendCommand("&Edit", 1);
    menu->AppendCommand("&View", 2);
    menu->AppendCommand("placeholder", 3);
    menu->AppendCommand("placeholder", 4);
    return menu;
}

}  // namespace

TEST(MenuTest, ReplaceAtPositionPutsAPopupThereAndRefusesPositionsOutOfRange)
{
    MenuPtr menu = ModelMenu();
    auto scale = CMenu::Create();
    scale->AppendCommand("major", 2112);
    EXPECT_TRUE(menu->ReplaceWithPopup(3, "&Scale", scale));
    EXPECT_EQ(menu->At(3).kind, MenuItem::Kind::Popup);
    EXPECT_EQ(menu->At(3).text, "&Scale");
    EXPECT_EQ(menu->At(3).popup, scale);
    EXPECT_EQ(menu->Count(), 5);
    EXPECT_FALSE(menu->ReplaceWithPopup(5, "&Chord", scale));
    EXPECT_FALSE(menu->ReplaceWithPopup(-1, "&Chord", scale));
}

TEST(MenuTest, FindByTextMatchesWholeTextsAndFindCommandSearchesSubmenus)
{
    MenuPtr menu = ModelMenu();
    EXPECT_EQ(menu->FindByText("&View"), 2);
    EXPECT_EQ(menu->FindByText("placeholder"), 3);
    EXPECT_EQ(menu->FindByText("View"), -1);
    EXPECT_EQ(menu->FindByText(""), -1);  // separators have no text to find

    const MenuItem* exit = menu->FindCommand(57665);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text, "E&xit");
    EXPECT_EQ(menu->FindCommand(57601), nullptr);
}

TEST(MenuTest, ClonesCopyPopupsExceptSharedOnes)
{
    MenuPtr menu = ModelMenu();
    auto shared = CMenu::Create();
    menu->ReplaceWithPopup(4, "&Chord", shared);
    MenuPtr copy = menu->Clone({shared});
    EXPECT_EQ(copy->At(4).popup, shared);
    EXPECT_NE(copy->At(0).popup, menu->At(0).popup);
    copy->At(0).popup->AppendCommand("extra", 9);
    EXPECT_EQ(menu->At(0).popup->Count(), 3);
}

TEST(MenuTest, PlainTextDropsMnemonicsAndAccelerators)
{
    EXPECT_EQ(PlainMenuText("&New\tCtrl+N"), "New");
    EXPECT_EQ(PlainMenuText("Save && Quit"), "Save & Quit");
}

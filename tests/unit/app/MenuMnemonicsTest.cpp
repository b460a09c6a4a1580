// Alt plus a letter opens one menu, and a letter inside an open menu
// chooses one item: no two items of one bar or popup share a mnemonic.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "app/MenuResources.h"

namespace {

// The letter after the first single '&', lower case; 0 when none.
char Mnemonic(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
    }
    return 0;
}

void ExpectDistinctMnemonics(const CMenu& menu, const std::string& where)
{
    std::map<char, std::string> taken;
    for (const MenuItem& item : menu.Items()) {
        if (char letter = Mnemonic(item.text)) {
            auto [it, fresh] = taken.emplace(letter, item.text);
            EXPECT_TRUE(fresh) << where << ": \"" << item.text << "\" and \"" << it->second << "\" share '"
                               << letter << "'";
        }
        if (item.kind == MenuItem::Kind::Popup && item.popup)
            ExpectDistinctMnemonics(*item.popup, where + " > " + item.text);
    }
}

}  // namespace

TEST(MenuMnemonics, EveryBarAndPopupHasDistinctMnemonics)
{
    for (int id : {IDR_MAINFRAME, IDR_GENERAL, IDR_MODEL, IDR_STRINGED, IDR_KEYBOARD, IDR_SHEET, IDR_WIND, IDR_MIDI,
                   IDR_AUDIO, IDR_KEYBOARD_INPUT, IDR_IDENTIFY, IDR_GENERAL_CONTEXT, IDR_MAIN_CONTEXT,
                   IDR_MODEL_CONTEXT, IDR_INSTRUMENT_CONTEXT}) {
        MenuPtr menu = LoadMenuResource(id);
        ASSERT_NE(menu, nullptr) << id;
        ExpectDistinctMnemonics(*menu, "menu " + std::to_string(id));
    }
}

TEST(MenuMnemonics, FileKeepsFAndTheModelsInstrumentListTakesR)
{
    MenuPtr model = LoadMenuResource(IDR_MODEL);
    EXPECT_EQ(Mnemonic(model->At(0).text), 'f');
    EXPECT_EQ(model->At(6).text, "F&rame");
    EXPECT_EQ(Mnemonic(""), 0);
    EXPECT_EQ(Mnemonic("Rock && &Roll"), 'r');
}

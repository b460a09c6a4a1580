#include "harmony/ModelCommands.h"

MenuPtr BuildKeyMenu()
{
    auto menu = CMenu::Create();
    for (const KeyCommand& key : kKeyCommands)
        menu->AppendCommand(std::string(key.menuText), key.commandId);
    return menu;
}

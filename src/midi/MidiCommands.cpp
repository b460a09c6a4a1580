#include "midi/MidiCommands.h"

#include <string>

MenuPtr BuildRateMenu()
{
    auto menu = CMenu::Create();
    for (const RateCommand& rate : kRateCommands)
        menu->AppendCommand(std::string(rate.menuText), rate.commandId);
    return menu;
}

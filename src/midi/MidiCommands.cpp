#include "midi/MidiCommands.h"

#include <string>

MenuPtr BuildRateMenu()
{
    auto menu = CMenu::Create();
    for (const RateCommand& rate : kRateCommands)
        menu->AppendCommand(std::string(rate.menuText), rate.commandId);
    return menu;
}

const RateCommand* FindRateCommand(int commandId)
{
    for (const RateCommand& rate : kRateCommands)
        if (rate.commandId == commandId)
            return &rate;
    return nullptr;
}

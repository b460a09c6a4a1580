#include "cli/ScriptCommands.h"

#include <algorithm>
#include <string>

#include "cli/ScriptActions.h"
#include "cli/ScriptError.h"

const std::vector<ScriptCommand>& ScriptCommands()
{
    static const std::vector<ScriptCommand> commands = {
        {"start", "start [SWITCH ...] [FILE ...]", 0, -1, ScriptStart},
        {"cmd", "cmd ID", 1, 1, ScriptCmd},
        {"activate", "activate TITLE", 1, 1, ScriptActivate},
        {"open", "open PATH", 1, 1, ScriptOpen},
        {"answer", "answer ok|cancel|yes|no|ID [NAME=VALUE ...]", 1, -1, ScriptAnswer},
        {"key", "key down|up CODE", 2, 2, ScriptKey},
        {"midiin", "midiin on|off NOTE [VELOCITY]", 2, 3, ScriptMidiIn},
        {"click", "click X Y", 2, 2, ScriptClick},
        {"doubleclick", "doubleclick X Y", 2, 2, ScriptDoubleClick},
        {"wait", "wait MS", 1, 1, ScriptWait},
        {"print", "print TOPIC [ARG ...]", 1, -1, ScriptPrint},
        {"save", "save PATH", 1, 1, ScriptSave},
        {"close", "close", 0, 0, ScriptClose},
        {"exit", "exit", 0, 0, ScriptExit},
    };
    return commands;
}

void RunScriptCommand(ScriptRunner& runner, const ScriptWords& words)
{
    const auto& commands = ScriptCommands();
    auto it = std::find_if(commands.begin(), commands.end(),
                           [&](const ScriptCommand& command) { return words[0] == command.name; });
    if (it == commands.end())
        throw ScriptError("unknown command \"" + words[0] + "\"");
    int count = static_cast<int>(words.size()) - 1;
    if (count < it->minArgs || (it->maxArgs >= 0 && count > it->maxArgs))
        throw ScriptError(std::string("usage: ") + it->usage);
    it->run(runner, ScriptWords(words.begin() + 1, words.end()));
}

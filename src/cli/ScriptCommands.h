#pragma once
// The commands a script line may give, as a table: name, usage, how many
// arguments, and the function that carries it out.
#include <vector>

#include "cli/ScriptLine.h"

class ScriptRunner;

struct ScriptCommand {
    const char* name;
    const char* usage;
    int minArgs;
    int maxArgs;  // -1: any number
    void (*run)(ScriptRunner& runner, const ScriptWords& args);
};

const std::vector<ScriptCommand>& ScriptCommands();

// Runs the command named by the first word; throws ScriptError for an
// unknown command or a wrong number of arguments.
void RunScriptCommand(ScriptRunner& runner, const ScriptWords& words);

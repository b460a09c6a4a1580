#pragma once
// What each script command does. args are the words after the command's name.
#include "cli/ScriptLine.h"

class ScriptRunner;

void ScriptStart(ScriptRunner& runner, const ScriptWords& args);
void ScriptCmd(ScriptRunner& runner, const ScriptWords& args);
void ScriptActivate(ScriptRunner& runner, const ScriptWords& args);
void ScriptOpen(ScriptRunner& runner, const ScriptWords& args);
void ScriptAnswer(ScriptRunner& runner, const ScriptWords& args);
void ScriptKey(ScriptRunner& runner, const ScriptWords& args);
// A note from an outside keyboard, through the MIDI input's stand-in.
void ScriptMidiIn(ScriptRunner& runner, const ScriptWords& args);
void ScriptClick(ScriptRunner& runner, const ScriptWords& args);
void ScriptDoubleClick(ScriptRunner& runner, const ScriptWords& args);
void ScriptWait(ScriptRunner& runner, const ScriptWords& args);
void ScriptPrint(ScriptRunner& runner, const ScriptWords& args);
void ScriptSave(ScriptRunner& runner, const ScriptWords& args);
void ScriptClose(ScriptRunner& runner, const ScriptWords& args);
void ScriptExit(ScriptRunner& runner, const ScriptWords& args);

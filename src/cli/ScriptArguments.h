#pragma once
// Reading the arguments of script commands; each throws ScriptError with
// what was expected.
#include <string>

#include "cli/ScriptLine.h"
#include "platform/headless/PromptAnswer.h"

int ParseScriptInt(const std::string& word, const std::string& what);
// A decimal virtual-key code of two or more digits, or one letter or digit
// standing for its own key (letters as capitals): "65", "a" and "A" are all 65.
int ParseKeyCode(const std::string& word);
// WORD [NAME=VALUE ...] with WORD ok, cancel, yes, no or a button id.
PromptAnswer ParseAnswer(const ScriptWords& args);

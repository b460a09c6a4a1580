#pragma once
#include <string>

// A command's status-bar prompt; after a line feed follows its tool tip.
// Empty for a command without one.
std::string CommandPromptText(int id);

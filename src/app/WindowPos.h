#pragma once
// The main window's "WindowPos" setting: ten numbers separated by commas.
#include <string>

#include "framework/Placement.h"

std::string FormatWindowPos(const WindowPlacement& placement);
// False unless the text holds exactly ten numbers.
bool ParseWindowPos(const std::string& text, WindowPlacement& placement);

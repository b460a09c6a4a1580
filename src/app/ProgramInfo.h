#pragma once
// What the two programs print for --version, and what the desktop program
// prints for --help: answered before any window or catalogue is touched, so
// they work without a display.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "morvix-cli (Morvix Music Reference) 0.1" and a newline.
std::string VersionLine(std::string_view program);
// The text "morvix ARGS" prints and exits with, when ARGS ask for the
// version or the usage; none when the program should start.
std::optional<std::string> DesktopInfoRequest(const std::vector<std::string>& args);

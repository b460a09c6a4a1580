#pragma once
// Registers the program with the desktop (the desktop entry and MIME types
// shipped in homeDir's "desktop" folder, and the application icon from its
// "icons" folder) under the user's XDG data directory, or removes that
// registration. Returns why it failed (a shipped file missing, a file that
// could not be written or removed, with the system's reason), or nothing.
#include <string>

std::string UpdateDesktopRegistration(bool install, const std::string& homeDir);

#pragma once
// Registers the program with the desktop (the desktop entry and MIME types
// shipped in homeDir's "desktop" folder, and the application icon from its
// "icons" folder) under the user's XDG data directory, or removes that
// registration. False when the shipped files are missing or the files
// could not be written.
#include <string>

bool UpdateDesktopRegistration(bool install, const std::string& homeDir);

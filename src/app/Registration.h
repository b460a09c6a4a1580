#pragma once
// Registers the program with the desktop (a desktop entry, the MIME types
// of the files it opens and the application icon from homeDir's "icons"
// folder) under the user's XDG data directory, or removes that
// registration. False when the files could not be written.
#include <string>

bool UpdateDesktopRegistration(bool install, const std::string& homeDir);

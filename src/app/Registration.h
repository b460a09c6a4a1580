#pragma once
// Registers the program with the desktop (a desktop entry and the MIME
// types of the files it opens) under the user's XDG data directory, or
// removes that registration. False when the files could not be written.
bool UpdateDesktopRegistration(bool install);

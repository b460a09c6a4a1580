#pragma once
// The program's icon, drawn in several sizes in the "icons" folder that
// travels with the executable (res/icons in the source tree).
#include <QIcon>

#include <string>

// Null when the folder holds none of the files.
QIcon LoadAppIcon(const std::string& homeDir);

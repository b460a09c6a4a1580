#pragma once
#include <string>

// The directory of the running executable, or MORVIX_HOME when it is set.
std::string FindHomeDir();

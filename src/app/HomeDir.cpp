#include "app/HomeDir.h"

#include <cstdlib>
#include <filesystem>

std::string FindHomeDir()
{
    if (const char* home = std::getenv("MORVIX_HOME"); home && *home)
        return home;
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

#include "app/HomeDir.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The file that marks a folder of the program's shipped files.
constexpr const char* kMarkerFile = "SCALES.USE";

bool IsSet(const char* value)
{
    return value && *value;
}

std::string ExecutableDir()
{
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path(error).string() : exe.parent_path().string();
}

std::string UserDataDir(const char* xdgDataHome, const char* home)
{
    if (IsSet(xdgDataHome))
        return (fs::path(xdgDataHome) / "morvix").string();
    return (fs::path(IsSet(home) ? home : ".") / ".local/share/morvix").string();
}

// The executable's folder in the build tree, share/morvix when installed.
std::string ProgramDir(const std::string& executableDir)
{
    std::error_code error;
    if (fs::exists(fs::path(executableDir) / kMarkerFile, error))
        return executableDir;
    fs::path installed = fs::path(executableDir).parent_path() / "share/morvix";
    if (fs::exists(installed / kMarkerFile, error))
        return installed.string();
    return executableDir;
}

} // namespace

std::string ProgramFiles::Program(const std::string& name) const
{
    return (fs::path(programDir) / name).string();
}

std::string ProgramFiles::Find(const std::string& name) const
{
    std::error_code error;
    fs::path own = fs::path(userDir) / name;
    if (userDir != dataDir && fs::is_regular_file(own, error))
        return own.string();
    return (fs::path(dataDir) / name).string();
}

std::string ProgramFiles::Writable(const std::string& name) const
{
    std::error_code error;
    fs::create_directories(userDir, error);
    return (fs::path(userDir) / name).string();
}

ProgramFiles FindProgramFiles(const std::string& executableDir, const char* morvixHome, const char* xdgDataHome,
                              const char* home)
{
    std::string programDir = ProgramDir(executableDir);
    if (IsSet(morvixHome))
        return {morvixHome, morvixHome, programDir};
    if (programDir == executableDir)
        return {executableDir, executableDir, programDir};
    return {programDir, UserDataDir(xdgDataHome, home), programDir};
}

ProgramFiles FindProgramFiles()
{
    return FindProgramFiles(ExecutableDir(), std::getenv("MORVIX_HOME"), std::getenv("XDG_DATA_HOME"),
                            std::getenv("HOME"));
}

#include "app/Registration.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "text/TextFile.h"

namespace fs = std::filesystem;

namespace {

fs::path DataHome()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local/share";
}

// The sizes drawn in res/icons, as the hicolor theme names its folders.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool ReadFile(const fs::path& path, std::string& content)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// The shipped entry names the program on the PATH; a registration from a
// folder names this executable, wherever it is.
std::string WithThisProgram(std::string entry)
{
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    const std::string exec = "\nExec=morvix ";
    std::size_t at = entry.find(exec);
    if (!error && at != std::string::npos)
        entry.replace(at, exec.size(), "\nExec=" + (exe.parent_path() / "morvix").string() + " ");
    return entry;
}

std::string WriteFile(const fs::path& path, const std::string& content)
{
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::string reason;
    if (error)
        return "cannot make the folder " + path.parent_path().string() + ": " + error.message();
    if (!WriteWholeFile(path.string(), content, &reason))
        return "cannot write " + path.string() + ": " + reason;
    return {};
}

// Each installed icon file with the file it is copied from.
std::vector<std::pair<fs::path, fs::path>> IconFiles(const fs::path& homeDir)
{
    fs::path hicolor = DataHome() / "icons/hicolor";
    fs::path source = homeDir / "icons";
    std::vector<std::pair<fs::path, fs::path>> files;
    for (int size : kIconSizes) {
        std::string name = std::to_string(size);
        files.emplace_back(hicolor / (name + "x" + name) / "apps/morvix.png", source / ("morvix-" + name + ".png"));
    }
    files.emplace_back(hicolor / "scalable/apps/morvix.svg", source / "morvix.svg");
    return files;
}

// A missing source leaves that size out: the desktop scales another one.
std::string InstallIcons(const fs::path& homeDir)
{
    for (const auto& [target, source] : IconFiles(homeDir)) {
        std::error_code error;
        if (!fs::is_regular_file(source, error))
            continue;
        fs::create_directories(target.parent_path(), error);
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
        if (error)
            return "cannot copy the icon " + source.string() + " to " + target.string() + ": " + error.message();
    }
    return {};
}

// A file that is not there is removed already.
std::string Remove(const fs::path& path)
{
    std::error_code error;
    fs::remove(path, error);
    return error ? "cannot remove " + path.string() + ": " + error.message() : std::string();
}

} // namespace

std::string UpdateDesktopRegistration(bool install, const std::string& homeDir)
{
    fs::path entry = DataHome() / "applications/morvix.desktop";
    fs::path mime = DataHome() / "mime/packages/morvix.xml";
    if (install) {
        fs::path shipped = fs::path(homeDir) / "desktop";
        std::string entryText, mimeText;
        if (!ReadFile(shipped / "morvix.desktop", entryText) || !ReadFile(shipped / "morvix.xml", mimeText))
            return "the shipped morvix.desktop and morvix.xml cannot be read in " + shipped.string();
        std::string problem = WriteFile(entry, WithThisProgram(entryText));
        if (problem.empty())
            problem = WriteFile(mime, mimeText);
        return problem.empty() ? InstallIcons(homeDir) : problem;
    }
    // Everything that can go goes; the first file that could not is named.
    std::vector<fs::path> files = {entry, mime};
    for (const auto& [target, source] : IconFiles(homeDir))
        files.push_back(target);
    std::string problem;
    for (const fs::path& file : files) {
        std::string failed = Remove(file);
        if (problem.empty())
            problem = failed;
    }
    return problem;
}

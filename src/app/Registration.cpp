#include "app/Registration.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path DataHome()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local/share";
}

const char* const kMimeXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-morvix-document">
    <comment>Morvix Document</comment>
    <glob pattern="*.mve"/>
  </mime-type>
</mime-info>
)";

std::string DesktopEntry()
{
    std::error_code error;
    fs::path exe = fs::read_symlink("/proc/self/exe", error);
    fs::path program = error ? fs::path("morvix") : exe.parent_path() / "morvix";
    return "[Desktop Entry]\nType=Application\nName=Morvix Music Reference\n"
           "Comment=A reference for scales and chords\nExec=" + program.string() + " %f\n"
           "Terminal=false\nCategories=Audio;Music;Education;\n"
           "MimeType=application/x-morvix-document;text/plain;audio/midi;\n";
}

bool WriteFile(const fs::path& path, const std::string& content)
{
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::trunc);
    out << content;
    return static_cast<bool>(out);
}

} // namespace

bool UpdateDesktopRegistration(bool install)
{
    fs::path entry = DataHome() / "applications/morvix.desktop";
    fs::path mime = DataHome() / "mime/packages/morvix.xml";
    if (install)
        return WriteFile(entry, DesktopEntry()) && WriteFile(mime, kMimeXml);
    std::error_code error;
    fs::remove(entry, error);
    fs::remove(mime, error);
    return true;
}

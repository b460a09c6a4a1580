#include "app/ProgramInfo.h"

#include <algorithm>

#include "morvix/Version.h"

namespace {

constexpr const char* kDesktopUsage =
    "usage: morvix [FILE ...]\n"
    "       morvix --register | --unregister | --automation | --embedding\n"
    "       morvix --help | --version\n"
    "\n"
    "Opens the main window with a model, then each FILE by its type (text, .mve, MIDI).\n"
    "  --register     write the desktop entry, the .mve MIME type and the icon under\n"
    "                 $XDG_DATA_HOME (~/.local/share), then exit\n"
    "  --unregister   remove them again, then exit\n"
    "  --automation, --embedding\n"
    "                 end start-up without a window\n"
    "  -h, --help     print this help, then exit\n"
    "  --version      print the version, then exit\n"
    "See morvix(1) for the environment and files.\n";

bool Has(const std::vector<std::string>& args, std::string_view word)
{
    return std::find(args.begin(), args.end(), word) != args.end();
}

}  // namespace

std::string VersionLine(std::string_view program)
{
    return std::string(program) + " (Morvix Music Reference) " + kMorvixVersion + "\n";
}

std::optional<std::string> DesktopInfoRequest(const std::vector<std::string>& args)
{
    if (Has(args, "--help") || Has(args, "-h"))
        return kDesktopUsage;
    if (Has(args, "--version"))
        return VersionLine("morvix");
    return std::nullopt;
}

#include "cli/Cli.h"

#include <algorithm>
#include <iostream>

#include "app/ProgramInfo.h"
#include "cli/Subcommands.h"

namespace {

void PrintHelp(std::ostream& out)
{
    out << "usage: morvix-cli COMMAND [ARG ...]\n"
           "       morvix-cli COMMAND --help\n"
           "       morvix-cli --version\n\ncommands:\n";
    for (const Subcommand& subcommand : Subcommands())
        out << "  " << subcommand.name << " " << subcommand.usage << "\n      " << subcommand.help << "\n";
}

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h" || arg == "help";
}

}  // namespace

int RunCli(const std::vector<std::string>& args)
{
    return RunCli(args, std::cout, std::cerr);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        PrintHelp(err);
        return 2;
    }
    if (IsHelp(args[0])) {
        PrintHelp(out);
        return 0;
    }
    if (args[0] == "--version") {
        out << VersionLine("morvix-cli");
        return 0;
    }
    const Subcommand* subcommand = FindSubcommand(args[0]);
    if (!subcommand) {
        err << "morvix-cli: unknown command \"" << args[0] << "\" (see morvix-cli --help)\n";
        return 2;
    }
    // Help after any other words still means help ("draw Guitar --help").
    if (std::any_of(args.begin() + 1, args.end(), [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        out << "usage: morvix-cli " << subcommand->name << " " << subcommand->usage << "\n"
            << subcommand->help << "\n";
        if (subcommand->details)
            subcommand->details(out);
        return 0;
    }
    return subcommand->run(SubcommandArgs(args.begin() + 1, args.end()), out, err);
}

#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/PrintTopics.h"
#include "cli/ScriptCommands.h"
#include "cli/ScriptRunner.h"
#include "cli/Subcommands.h"

int RunScriptSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: morvix-cli run SCRIPT\n";
        return 2;
    }
    std::ifstream in(args[0]);
    std::error_code code;
    if (!in || std::filesystem::is_directory(args[0], code)) {
        err << "morvix-cli run: cannot read the script " << args[0] << "\n";
        return 2;
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string baseDir = std::filesystem::absolute(args[0], code).parent_path().string();
    return ScriptRunner(std::move(lines), args[0], baseDir, out, err).Run();
}

void ScriptLanguageHelp(std::ostream& out)
{
    out << "\nOne command a line; blanks separate words, \"double quotes\" keep blanks in a word,\n"
           "a word starting with # begins a comment. Relative paths are taken from the script's folder.\n\n";
    for (const ScriptCommand& command : ScriptCommands())
        out << "  " << command.usage << "\n";
    out << "\nprint topics:\n";
    for (const PrintTopic& topic : PrintTopics())
        out << "  " << topic.name << ": " << topic.help << "\n";
    out << "\nMessage boxes print \"message: TEXT\"; a dialog or box with no answer queued prints\n"
           "\"unanswered: CAPTION\" and is cancelled. A bad line stops the script with status 2; an exit\n"
           "that cannot write LAYOUT.USE or HISTORY.USE names the file on stderr and the run ends with status 1.\n";
}

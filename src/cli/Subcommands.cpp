#include "cli/Subcommands.h"

#include <algorithm>

const std::vector<Subcommand>& Subcommands()
{
    static const std::vector<Subcommand> subcommands = {
        {"run", "SCRIPT", "drive the whole application from a script of user actions", RunScriptSubcommand,
         ScriptLanguageHelp},
        {"report",
         "[--key K] [--scale \"FULL NAME\"] [--chord #N|N|SHORTNAME | --chord-name SHORTNAME] [--notation CODE]",
         "print the report of a new model with these choices applied", ReportSubcommand, nullptr},
        {"scales", "", "one line per scale record: index, depth, child count, full name, steps",
         ScalesSubcommand, nullptr},
        {"chords", "", "one line per chord record: index, short name, group, text", ChordsSubcommand, nullptr},
        {"examine", "[--play-list] FILE", "list a Standard MIDI File as the MIDI window shows it", ExamineSubcommand,
         ExamineHelp},
    };
    return subcommands;
}

const Subcommand* FindSubcommand(const std::string& name)
{
    const auto& all = Subcommands();
    auto it = std::find_if(all.begin(), all.end(), [&](const Subcommand& s) { return name == s.name; });
    return it == all.end() ? nullptr : &*it;
}

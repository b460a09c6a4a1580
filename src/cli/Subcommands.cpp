#include "cli/Subcommands.h"

#include <algorithm>

const std::vector<Subcommand>& Subcommands()
{
    static const std::vector<Subcommand> subcommands = {
        {"run", "SCRIPT", "drive the whole application from a script of user actions", RunScriptSubcommand,
         ScriptLanguageHelp},
        {"report",
         "[--key K] [--scale \"FULL NAME\"] [--chord #N|N|SHORTNAME | --chord-name SHORTNAME] [--notation CODE] [--chord-tones n|i]",
         "print the report of a new model with these choices applied", ReportSubcommand, nullptr},
        {"scales", "", "one line per scale record: index, depth, child count, full name, steps",
         ScalesSubcommand, nullptr},
        {"chords", "", "one line per chord record: index, short name, group, text", ChordsSubcommand, nullptr},
        {"instruments", "", "one line per instrument catalogue entry: index, kind, name, parameter text",
         InstrumentsSubcommand, nullptr},
        {"draw",
         "\"NAME\" [--key K] [--scale \"FULL NAME\"] [--chord N|SHORTNAME] [--notation CODE] [--chord-tones n|i] "
         "[--chordset c|f|s] [--ascii] [--surface] [--set FIELD=VALUE ...] [--svg FILE] [--png FILE] [--zoom PERCENT]",
         "print the text lines of an instrument attached to a new model, or write its picture", DrawSubcommand,
         DrawHelp},
        {"identify", "NOTE... | --file FILE",
         "name the catalogue chords and the scales that hold these notes, or what a MIDI file plays",
         IdentifySubcommand, IdentifyHelp},
        {"examine", "[--play-list] FILE", "list a Standard MIDI File as the MIDI window shows it", ExamineSubcommand,
         ExamineHelp},
        {"play", "FILE [--rate PERCENT] [--queue N] [--real-time]",
         "play a Standard MIDI File through the MIDI output MORVIX_MIDI_OUT chooses", PlaySubcommand, PlayHelp},
    };
    return subcommands;
}

const Subcommand* FindSubcommand(const std::string& name)
{
    const auto& all = Subcommands();
    auto it = std::find_if(all.begin(), all.end(), [&](const Subcommand& s) { return name == s.name; });
    return it == all.end() ? nullptr : &*it;
}

std::string UnknownArgument(const std::string& word)
{
    return word.starts_with('-') ? "unknown option " + word : "unexpected argument \"" + word + "\"";
}

std::string MissingValue(const std::string& option)
{
    return option + " needs a value";
}

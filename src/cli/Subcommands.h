#pragma once
// The subcommands of morvix-cli, as a table: to add one, write its function
// in a file of its own, declare it below and add one line to Subcommands.cpp.
#include <iosfwd>
#include <string>
#include <vector>

using SubcommandArgs = std::vector<std::string>;

struct Subcommand {
    const char* name;
    const char* usage;  // the arguments after the name, e.g. "SCRIPT"
    const char* help;   // one line for --help
    // args are the words after the subcommand; returns the exit status.
    int (*run)(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
    // More for "morvix-cli NAME --help", or null.
    void (*details)(std::ostream& out);
};

const std::vector<Subcommand>& Subcommands();
const Subcommand* FindSubcommand(const std::string& name);
// The error for a word no option of the subcommand takes.
std::string UnknownArgument(const std::string& word);
// The error for an option that takes a value given last, without one.
std::string MissingValue(const std::string& option);

int RunScriptSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
void ScriptLanguageHelp(std::ostream& out);
int ReportSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
int ScalesSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
int ChordsSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
int InstrumentsSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
int DrawSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
void DrawHelp(std::ostream& out);
int ExamineSubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
void ExamineHelp(std::ostream& out);
int IdentifySubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
void IdentifyHelp(std::ostream& out);
int PlaySubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err);
void PlayHelp(std::ostream& out);

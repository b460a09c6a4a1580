#pragma once
// What "print TOPIC" can show, as a table: to add a topic, write its
// function in a file of its own and add one line to PrintTopics.cpp.
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ScriptLine.h"

class CReferenceApp;

struct PrintTopic {
    const char* name;
    const char* help;
    // args are the words after the topic; throw ScriptError for bad ones.
    void (*print)(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
};

const std::vector<PrintTopic>& PrintTopics();
const PrintTopic* FindPrintTopic(const std::string& name);
// The topic names separated by blanks, for messages.
std::string PrintTopicNames();

// The topics of this folder.
void PrintWindows(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintClipboard(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintReport(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintHistory(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintListing(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintQueue(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintMenu(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintLayout(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintLines(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintSurface(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintIdentify(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintMidi(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintTick(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintAccessible(CReferenceApp& app, const ScriptWords& args, std::ostream& out);
void PrintSound(CReferenceApp& app, const ScriptWords& args, std::ostream& out);

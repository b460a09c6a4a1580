#include <fstream>
#include <ostream>

#include "app/ReferenceApp.h"
#include "app/StartupLayout.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"

// "LAYOUT.USE" as the last exit wrote it.
void PrintLayout(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print layout");
    std::ifstream in(app.WritableFile(CStartupLayout::kFileName), std::ios::binary);
    if (!in)
        throw ScriptError("there is no LAYOUT.USE yet");
    out << in.rdbuf();
}

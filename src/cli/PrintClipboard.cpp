#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "platform/headless/TerminalText.h"

void PrintClipboard(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print clipboard");
    std::string text = TerminalUtf8(UnixLineEnds(app.ports.clipboard->GetText()));
    out << text;
    if (!text.empty() && text.back() != '\n')
        out << "\n";
}

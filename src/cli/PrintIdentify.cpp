#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "framework/Frame.h"
#include "instruments/IdentifyDoc.h"
#include "instruments/IdentifyView.h"

// The active Identify window as text: the entered notes, the column heading
// and one line per result, the selected one marked with "*".
void PrintIdentify(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print identify");
    CFrame* frame = app.ActiveFrame();
    auto* doc = frame ? dynamic_cast<CIdentifyDoc*>(frame->Document()) : nullptr;
    if (!doc)
        throw ScriptError("the active window is not the Identify window");
    for (const std::string& line : CIdentifyView::TextLines(*doc))
        out << line << "\n";
}

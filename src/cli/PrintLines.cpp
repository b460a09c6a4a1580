#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "framework/Frame.h"
#include "instruments/ClipboardText.h"
#include "instruments/InstrumDoc.h"
#include "instruments/RecorderView.h"

// The active instrument's text grid rebuilt from its model, one line each,
// with line-drawing bytes as box-drawing characters, as "draw" prints it;
// in the keyboard input window, its keyboard's text lines with the held keys
// marked.
void PrintLines(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print lines");
    CFrame* frame = app.ActiveFrame();
    if (auto* recorder = frame ? dynamic_cast<CRecorderView*>(frame->View()) : nullptr) {
        for (const std::string& line : recorder->TextLines())
            out << line << "\n";
        return;
    }
    auto* doc = frame ? dynamic_cast<CInstrumDoc*>(frame->Document()) : nullptr;
    if (!doc || !doc->Model())
        throw ScriptError("the active window is not an instrument window");
    doc->BuildLines();
    for (const std::string& line : doc->base.ValidLines())
        out << GridTextToUtf8(line) << "\n";
}

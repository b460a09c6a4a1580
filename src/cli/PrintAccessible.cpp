#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "framework/Frame.h"
#include "framework/View.h"

// What the active window tells a screen reader: its role, name and summary,
// then its lines.
void PrintAccessible(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print accessible");
    CFrame* frame = app.ActiveFrame();
    CView* view = frame ? frame->View() : nullptr;
    if (!view)
        throw ScriptError("no window is active");
    out << "role: " << AccessibleRoleName(view->AccessRole()) << "\n";
    out << "name: " << view->AccessibleName() << "\n";
    out << "summary: " << view->AccessibleSummary() << "\n";
    for (const std::string& line : view->AccessibleLines())
        out << line << "\n";
}

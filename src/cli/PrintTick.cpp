#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "platform/headless/HeadlessMainWindow.h"

// What the status bar's tick shows now (Show Tick): the beat flashing, or none.
void PrintTick(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print tick");
    auto* window = dynamic_cast<HeadlessMainWindow*>(&app.ports.windows->MainWindow());
    if (!window)
        throw ScriptError("print tick needs the headless main window");
    out << "tick: " << window->TickShown() << "\n";
}

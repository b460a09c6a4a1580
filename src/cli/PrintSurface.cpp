#include <algorithm>
#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "cli/SurfaceLog.h"
#include "framework/Frame.h"
#include "instruments/InstrumDoc.h"

// The active instrument window painted over its whole drawing, as the view
// paints it (while a MIDI file plays, the sheet's notes and highlight too).
void PrintSurface(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print surface");
    CFrame* frame = app.ActiveFrame();
    auto* doc = frame ? dynamic_cast<CInstrumDoc*>(frame->Document()) : nullptr;
    if (!doc || !doc->Model())
        throw ScriptError("the active window is not an instrument window");
    doc->BuildLines();
    Size size = doc->GetDrawingSize();
    SurfaceLog surface(out, Rect{0, 0, std::max(size.cx, 1), std::max(size.cy, 1)});
    doc->Draw(surface);
}

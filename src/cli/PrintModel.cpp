#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "midi/MidiDoc.h"

namespace {

void RequireNoArguments(const ScriptWords& args, const char* topic)
{
    if (!args.empty())
        throw ScriptError(std::string("usage: print ") + topic);
}

template <class Doc>
Doc* ActiveDocument(CReferenceApp& app, const char* what)
{
    CFrame* frame = app.ActiveFrame();
    auto* doc = frame ? dynamic_cast<Doc*>(frame->Document()) : nullptr;
    if (!doc)
        throw ScriptError(std::string("the active window is not a ") + what + " window");
    return doc;
}

} // namespace

void PrintReport(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    RequireNoArguments(args, "report");
    for (char c : ActiveDocument<CModelDoc>(app, "model")->State().reportText)
        if (c != '\r')
            out << c;
}

void PrintHistory(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    RequireNoArguments(args, "history");
    const CHistoryList& list = app.History().List();
    for (int i = 0; i < list.Count(); ++i)
        out << (i == list.GetSelection() ? "* " : "  ") << list.Items()[i] << "\n";
}

void PrintListing(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    RequireNoArguments(args, "listing");
    ActiveDocument<CMidiDoc>(app, "MIDI")->Listing().ForEachLine(
        [&out](std::string_view line) { out << line << "\n"; });
}

// The two numbers the Queue dialog shows.
void PrintQueue(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    RequireNoArguments(args, "queue");
    const CMidiDoc* doc = ActiveDocument<CMidiDoc>(app, "MIDI");
    out << "Total " << doc->File().playList.size() << "\nQueued " << doc->Playback().queuePosition.value_or(0)
        << "\n";
}

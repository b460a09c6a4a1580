#include <ostream>

#include "app/ReferenceApp.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptError.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "platform/headless/RecordingLauncher.h"
#include "platform/headless/RecordingMediaPlayer.h"

void PrintWindows(CReferenceApp& app, const ScriptWords& args, std::ostream& out)
{
    if (!args.empty())
        throw ScriptError("usage: print windows");
    for (CFrame* frame : app.Frames()) {
        CDocument* document = frame->Document();
        if (!document)
            continue;
        out << document->kind << " " << document->serial << " " << frame->Caption();
        // Windows restored from a layout stay hidden until it shows them.
        out << (frame->IsVisible() ? "" : " (hidden)") << "\n";
    }
    // What the audio windows asked of the media player, in order.
    if (auto* media = dynamic_cast<RecordingMediaPlayerFactory*>(app.ports.media))
        for (const std::string& request : media->Log())
            out << "media: " << request << "\n";
    // What the program handed to the desktop: large files, the user guide.
    if (auto* launcher = dynamic_cast<RecordingLauncher*>(app.ports.launcher))
        for (const std::string& request : launcher->Log())
            out << "launch: " << request << "\n";
}

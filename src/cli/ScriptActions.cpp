#include "cli/ScriptActions.h"

#include <cstdint>
#include <ostream>

#include "app/MainFrame.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptArguments.h"
#include "cli/ScriptError.h"
#include "cli/ScriptRunner.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"
#include "midi/KeyboardInputDoc.h"

namespace {

CFrame& ActiveFrame(ScriptRunner& runner)
{
    CFrame* frame = runner.App().ActiveFrame();
    if (!frame)
        throw ScriptError("there is no open window");
    return *frame;
}

}  // namespace

// Files named after the switches are found beside the script, as "open" finds them.
void ScriptStart(ScriptRunner& runner, const ScriptWords& args)
{
    ScriptWords resolved = args;
    for (std::string& word : resolved)
        if (!word.empty() && word[0] != '-')
            word = runner.ResolvePath(word);
    runner.Start(resolved);
}

void ScriptCmd(ScriptRunner& runner, const ScriptWords& args)
{
    int id = ParseScriptInt(args[0], "a command id");
    // A user cannot choose a disabled item; say so rather than pass silently.
    if (!runner.App().RouteCommand(id))
        runner.Out() << "disabled: " << id << "\n";
}

void ScriptActivate(ScriptRunner& runner, const ScriptWords& args)
{
    for (CFrame* frame : runner.App().Frames()) {
        if (frame->Document() && (frame->Caption() == args[0] || frame->Document()->GetTitle() == args[0])) {
            frame->Activate();
            return;
        }
    }
    throw ScriptError("no window shows a document titled \"" + args[0] + "\"");
}

void ScriptOpen(ScriptRunner& runner, const ScriptWords& args)
{
    runner.App().OpenFileByType(runner.ResolvePath(args[0]));
}

void ScriptAnswer(ScriptRunner& runner, const ScriptWords& args)
{
    PromptAnswer answer = ParseAnswer(args);
    for (auto& [name, value] : answer.fields)
        if (name == "file")
            value = runner.ResolvePath(value);
    answer.origin = "line " + std::to_string(runner.LineNumber());
    runner.Ports().prompts.Queue(std::move(answer));
}

void ScriptKey(ScriptRunner& runner, const ScriptWords& args)
{
    if (args[0] != "down" && args[0] != "up")
        throw ScriptError("usage: key down|up CODE");
    int code = ParseKeyCode(args[1]);
    CView* view = ActiveFrame(runner).View();
    if (!view)
        throw ScriptError("the active window has no view");
    if (args[0] == "down")
        view->OnKeyDown(code);
    else
        view->OnKeyUp(code);
}

void ScriptMidiIn(ScriptRunner& runner, const ScriptWords& args)
{
    if (args[0] != "on" && args[0] != "off")
        throw ScriptError("usage: midiin on|off NOTE [VELOCITY]");
    int note = ParseScriptInt(args[1], "a note number");
    int velocity = args.size() > 2 ? ParseScriptInt(args[2], "a velocity") : 100;
    if (note < 0 || note > 127 || velocity < 0 || velocity > 127)
        throw ScriptError("a note number and a velocity run from 0 to 127");
    runner.App();
    std::uint32_t status = args[0] == "on" ? 0x90 : 0x80;
    if (!runner.Ports().midiIn.Inject(status | static_cast<std::uint32_t>(note) << 8 |
                                      static_cast<std::uint32_t>(velocity) << 16))
        throw ScriptError("nothing listens to the MIDI input");
}

namespace {

// The active window's view, clicked at a point of its content.
CView& ClickedView(ScriptRunner& runner, const ScriptWords& args, Point& point)
{
    point = {ParseScriptInt(args[0], "an x position"), ParseScriptInt(args[1], "a y position")};
    CView* view = ActiveFrame(runner).View();
    if (!view)
        throw ScriptError("the active window has no view");
    view->OnClick(point.x, point.y);
    return *view;
}

} // namespace

void ScriptClick(ScriptRunner& runner, const ScriptWords& args)
{
    Point point;
    ClickedView(runner, args, point);
}

// The first click of a double click arrives as a click, as on the screen.
void ScriptDoubleClick(ScriptRunner& runner, const ScriptWords& args)
{
    Point point;
    ClickedView(runner, args, point).OnDoubleClickAt(point);
}

void ScriptWait(ScriptRunner& runner, const ScriptWords& args)
{
    int ms = ParseScriptInt(args[0], "a wait");
    if (ms < 0)
        throw ScriptError("a wait cannot be negative");
    runner.Wait(ms);
}

void ScriptPrint(ScriptRunner& runner, const ScriptWords& args)
{
    const PrintTopic* topic = FindPrintTopic(args[0]);
    if (!topic)
        throw ScriptError("nothing to print called \"" + args[0] + "\"; topics: " + PrintTopicNames());
    topic->print(runner.App(), ScriptWords(args.begin() + 1, args.end()), runner.Out());
}

// The keyboard window's recording, written without the file dialog.
void ScriptSave(ScriptRunner& runner, const ScriptWords& args)
{
    auto* recorder = dynamic_cast<CKeyboardInputDoc*>(ActiveFrame(runner).Document());
    if (!recorder)
        throw ScriptError("save needs the keyboard input window active");
    if (!recorder->HasRecording())
        throw ScriptError("the keyboard input window has nothing recorded to save");
    std::string path = runner.ResolvePath(args[0]);
    if (!recorder->WriteRecording(path))
        throw ScriptError("the recording was not saved to " + path);
}

void ScriptClose(ScriptRunner& runner, const ScriptWords&)
{
    ActiveFrame(runner).OnClose();
}

// A script has no user to go back to the program: a file exit could not
// write is named on stderr, the exit goes on and the run ends with status 1.
void ScriptExit(ScriptRunner& runner, const ScriptWords&)
{
    std::string unsaved = runner.App().MainFrame().Exit(CMainFrame::UnsavedFiles::ExitAnyway);
    if (!unsaved.empty())
        runner.ExitUnsaved(unsaved);
}

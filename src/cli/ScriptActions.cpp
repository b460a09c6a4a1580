#include "cli/ScriptActions.h"

#include <ostream>

#include "app/MainFrame.h"
#include "cli/PrintTopics.h"
#include "cli/ScriptArguments.h"
#include "cli/ScriptError.h"
#include "cli/ScriptRunner.h"
#include "framework/Document.h"
#include "framework/Frame.h"
#include "framework/View.h"

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
        if (frame->Document() && frame->Document()->GetTitle() == args[0]) {
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

namespace {

// The active window's view, clicked at a point of its drawing.
CView& ClickedView(ScriptRunner& runner, const ScriptWords& args)
{
    CView* view = ActiveFrame(runner).View();
    if (!view)
        throw ScriptError("the active window has no view");
    view->OnClick(ParseScriptInt(args[0], "an x position"), ParseScriptInt(args[1], "a y position"));
    return *view;
}

} // namespace

void ScriptClick(ScriptRunner& runner, const ScriptWords& args)
{
    ClickedView(runner, args);
}

// The first click of a double click arrives as a click, as on the screen.
void ScriptDoubleClick(ScriptRunner& runner, const ScriptWords& args)
{
    ClickedView(runner, args).OnDoubleClick();
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

void ScriptClose(ScriptRunner& runner, const ScriptWords&)
{
    ActiveFrame(runner).OnClose();
}

void ScriptExit(ScriptRunner& runner, const ScriptWords&)
{
    runner.App().MainFrame().OnClose();
}

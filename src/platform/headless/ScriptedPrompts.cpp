#include "platform/headless/ScriptedPrompts.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <vector>

#include "platform/headless/AnswerFields.h"
#include "platform/headless/TerminalText.h"

namespace {

bool HasButton(MessageButtons buttons, int reply)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return reply == IDOK;
    case MessageButtons::OkCancel:
        return reply == IDOK || reply == IDCANCEL;
    case MessageButtons::YesNo:
        return reply == IDYES || reply == IDNO;
    case MessageButtons::YesNoCancel:
        return reply == IDYES || reply == IDNO || reply == IDCANCEL;
    }
    return false;
}

bool HasButton(const DialogData& dialog, int reply)
{
    const auto& extra = dialog.extraButtons;
    return reply == IDOK || std::find(extra.begin(), extra.end(), reply) != extra.end();
}

// Why the answer cannot be the chosen file, or nothing.
std::string FileProblem(const FileDialogRequest& request, const PromptAnswer& answer)
{
    const auto& fields = answer.fields;
    if (answer.reply != IDOK || fields.size() != 1 || fields.front().first != "file")
        return "a file dialog takes ok file=PATH";
    std::error_code code;
    if (request.open && !std::filesystem::exists(fields.front().second, code))
        return "there is no file " + fields.front().second + " to open";
    return {};
}

// A slider the answer moved is followed as on the screen, after every
// field is set.
void SlideAsAUserWould(const DialogData& shown, DialogData& filled)
{
    if (!filled.onChange)
        return;
    std::vector<int> moved;
    for (const DialogControl& control : filled.controls) {
        const DialogControl* before = shown.Find(control.id);
        if (control.kind == DialogControl::Kind::Slider && before && before->value != control.value)
            moved.push_back(control.id);
    }
    for (int id : moved)
        filled.onChange(filled, id);
}

}  // namespace

std::optional<std::string> ScriptedPrompts::TakeError()
{
    return std::exchange(error_, std::nullopt);
}

std::optional<PromptAnswer> ScriptedPrompts::Next(const std::string& caption)
{
    if (answers_.empty()) {
        out_ << "unanswered: " << TerminalUtf8(OneLine(caption)) << "\n";
        return std::nullopt;
    }
    PromptAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedPrompts::Fail(const PromptAnswer& answer, const std::string& caption, const std::string& problem)
{
    if (!error_)
        error_ = "the answer from " + answer.origin + " does not fit \"" + caption + "\": " + problem;
}

int ScriptedPrompts::MessageBox(const std::string& text, const std::string& caption, MessageIcon,
                                MessageButtons buttons)
{
    out_ << "message: " << TerminalUtf8(OneLine(text)) << "\n";
    if (buttons == MessageButtons::Ok)
        return IDOK;
    int cancelled = buttons == MessageButtons::YesNo ? IDNO : IDCANCEL;
    auto answer = Next(caption);
    if (!answer)
        return cancelled;
    if (!answer->fields.empty()) {
        Fail(*answer, caption, "a message box has no fields");
        return cancelled;
    }
    if (!HasButton(buttons, answer->reply)) {
        Fail(*answer, caption, "it has no button " + std::to_string(answer->reply));
        return cancelled;
    }
    return answer->reply;
}

int ScriptedPrompts::RunDialog(DialogData& dialog)
{
    lastDialog_ = dialog;
    auto answer = Next(dialog.caption);
    if (!answer || answer->reply == IDCANCEL)
        return IDCANCEL;
    if (!HasButton(dialog, answer->reply)) {
        Fail(*answer, dialog.caption, "it has no button " + std::to_string(answer->reply));
        return IDCANCEL;
    }
    // Fill a copy so that a bad field leaves the dialog as a cancel would.
    DialogData filled = dialog;
    std::string problem = ApplyDialogFields(filled, answer->fields);
    if (!problem.empty()) {
        Fail(*answer, dialog.caption, problem);
        return IDCANCEL;
    }
    SlideAsAUserWould(dialog, filled);
    dialog = std::move(filled);
    return answer->reply;
}

std::optional<std::string> ScriptedPrompts::ChooseFile(const FileDialogRequest& request)
{
    std::string caption = !request.caption.empty() ? request.caption : request.open ? "Open" : "Save As";
    auto answer = Next(caption);
    if (!answer || answer->reply == IDCANCEL)
        return std::nullopt;
    std::string problem = FileProblem(request, *answer);
    if (!problem.empty()) {
        Fail(*answer, caption, problem);
        return std::nullopt;
    }
    return answer->fields.front().second;
}

// A script names the font it chooses; the list it was chosen from is the user's.
bool ScriptedPrompts::ChooseFont(LogFont& font, FontFilter)
{
    auto answer = Next("Font");
    if (!answer || answer->reply == IDCANCEL)
        return false;
    LogFont chosen = font;
    std::string problem = answer->reply == IDOK ? ApplyFontFields(chosen, answer->fields) : "it has no such button";
    if (!problem.empty()) {
        Fail(*answer, "Font", problem);
        return false;
    }
    font = chosen;
    return true;
}

std::optional<unsigned> ScriptedPrompts::ChooseColor(unsigned initial)
{
    auto answer = Next("Color");
    if (!answer || answer->reply == IDCANCEL)
        return std::nullopt;
    long long color = initial;
    bool fits = answer->reply == IDOK;
    for (const auto& [name, value] : answer->fields)
        fits = fits && name == "color" && ParseAnswerNumber(value, color) && color >= 0 && color <= 0xFFFFFF;
    if (!fits) {
        Fail(*answer, "Color", "a colour dialog takes ok color=NUMBER (0 to 0xFFFFFF)");
        return std::nullopt;
    }
    return static_cast<unsigned>(color);
}

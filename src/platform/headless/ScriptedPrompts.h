#pragma once
// Prompts answered from a queue. Every message box is printed as
// "message: TEXT"; a box with only OK needs no answer. A modal that finds no
// answer waiting is cancelled and printed as "unanswered: CAPTION". An
// answer that does not fit the modal it meets is cancelled too and leaves an
// error for the runner to report.
#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

#include "framework/Prompts.h"
#include "platform/headless/PromptAnswer.h"

class ScriptedPrompts : public IPrompts {
public:
    explicit ScriptedPrompts(std::ostream& out) : out_(out) {}

    void Queue(PromptAnswer answer) { answers_.push_back(std::move(answer)); }
    size_t Pending() const { return answers_.size(); }
    // The first answer that did not fit, once.
    std::optional<std::string> TakeError();
    // The last dialog as it was shown, before any answer filled it.
    const DialogData& LastDialog() const { return lastDialog_; }

    int MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons) override;
    int RunDialog(DialogData& dialog) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    bool ChooseFont(LogFont& font, FontFilter filter) override;
    std::optional<unsigned> ChooseColor(unsigned initial) override;

private:
    // The next answer, or none after printing "unanswered: caption".
    std::optional<PromptAnswer> Next(const std::string& caption);
    void Fail(const PromptAnswer& answer, const std::string& caption, const std::string& problem);

    std::ostream& out_;
    std::deque<PromptAnswer> answers_;
    std::optional<std::string> error_;
    DialogData lastDialog_;
};

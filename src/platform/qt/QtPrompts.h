#pragma once
// Prompts port: message boxes, data-driven dialogs and the standard file,
// font and colour choosers, each modal over the main window.
#include <QPointer>
#include <QWidget>

#include "framework/Prompts.h"

class QtPrompts : public IPrompts {
public:
    explicit QtPrompts(QWidget* parent) : parent_(parent) {}

    int MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons) override;
    int RunDialog(DialogData& dialog) override;
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    bool ChooseFont(LogFont& font, FontFilter filter) override;
    std::optional<unsigned> ChooseColor(unsigned initial) override;

private:
    QPointer<QWidget> parent_;
};

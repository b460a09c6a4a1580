#pragma once
// Prompts port: message boxes, modal dialogs given as data, file and font
// choosers. Every one returns what the user answered.
#include <optional>
#include <string>

#include "framework/Dialog.h"
#include "framework/Font.h"

enum class MessageIcon { None, Information, Warning, Question, Error };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Button results carry the classic command ids so dialogs and boxes agree.
enum DialogResult { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Which fonts a font chooser lists: instruments draw on a grid of cells.
enum class FontFilter { Any, FixedPitch };

struct FileDialogRequest {
    bool open = true;  // false: a save dialog
    std::string caption;
    // Pairs of "description|pattern;pattern" entries, e.g. "Midi files (*.mid)|*.mid".
    std::string filters;
    std::string initialPath;
};

class IPrompts {
public:
    virtual ~IPrompts() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, MessageIcon icon,
                           MessageButtons buttons) = 0;
    // Runs the dialog modally; fields are updated on any result but IDCANCEL.
    // The result is IDOK, IDCANCEL or the id of another closing button.
    virtual int RunDialog(DialogData& dialog) = 0;
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
    virtual bool ChooseFont(LogFont& font, FontFilter filter) = 0;
    virtual std::optional<unsigned> ChooseColor(unsigned initial) = 0;
};

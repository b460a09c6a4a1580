#pragma once
// One queued reply to a modal dialog or message box: the button and the
// fields to fill in before pressing it.
#include <string>
#include <utility>
#include <vector>

#include "framework/Prompts.h"

struct PromptAnswer {
    int reply = IDOK;  // IDOK, IDCANCEL, IDYES, IDNO or the id of another closing button
    // NAME=VALUE: a control id (or label) of a dialog, "file" of a file
    // dialog, "face", "height", ... of the font dialog, "color" of the colour dialog.
    std::vector<std::pair<std::string, std::string>> fields;
    std::string origin;  // where the answer was given, for messages ("line 7")
};

#pragma once
// Applying the NAME=VALUE fields of a queued answer to what a modal shows.
// Each returns the first problem found, or an empty string.
#include <string>
#include <utility>
#include <vector>

#include "framework/Dialog.h"
#include "framework/Font.h"

using AnswerFields = std::vector<std::pair<std::string, std::string>>;

// A decimal number, or hexadecimal after "0x".
bool ParseAnswerNumber(const std::string& text, long long& value);

// NAME is a control id or a control's label without its "&" mnemonic.
std::string ApplyDialogFields(DialogData& dialog, const AnswerFields& fields);
// face, height, width, weight, italic, charset, quality, family.
std::string ApplyFontFields(LogFont& font, const AnswerFields& fields);

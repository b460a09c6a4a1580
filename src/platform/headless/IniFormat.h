#pragma once
// The text of an INI settings file: "[section]" headers and "key=value"
// lines. Section names are escaped as for every settings store; keys and
// values escape '%' and line breaks (keys also '=') the same way.
#include <string>

#include "platform/headless/MemorySettings.h"

std::string FormatIni(const MemorySettings::Sections& sections);

struct IniParseResult {
    MemorySettings::Sections sections;
    std::string error;  // empty when the whole text was understood
};

// Blank lines and lines starting with ';' or '#' are ignored; anything else
// that is neither a header nor a key line is an error naming its line.
IniParseResult ParseIni(const std::string& text);

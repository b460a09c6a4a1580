#include "platform/headless/IniFormat.h"

#include <sstream>

#include "framework/SettingsSection.h"

namespace {

std::string StripCarriageReturn(std::string line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

}  // namespace

std::string FormatIni(const MemorySettings::Sections& sections)
{
    std::string text;
    for (const auto& [name, keys] : sections) {
        text += "[" + EscapeSectionName(name) + "]\n";
        for (const auto& [key, value] : keys)
            text += PercentEscape(key, "%=[;#") + "=" + PercentEscape(value, "%") + "\n";
        text += "\n";
    }
    return text;
}

IniParseResult ParseIni(const std::string& text)
{
    IniParseResult result;
    std::istringstream in(text);
    std::string line;
    MemorySettings::Section* current = nullptr;
    for (int number = 1; std::getline(in, line); ++number) {
        line = StripCarriageReturn(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[' && line.back() == ']' && line.size() >= 2) {
            current = &result.sections[UnescapeSectionName(line.substr(1, line.size() - 2))];
            continue;
        }
        auto equals = line.find('=');
        if (!current || equals == std::string::npos || equals == 0) {
            result.error = "line " + std::to_string(number) + " is neither a [section] nor a key=value line";
            result.sections.clear();
            return result;
        }
        (*current)[UnescapeSectionName(line.substr(0, equals))] = UnescapeSectionName(line.substr(equals + 1));
    }
    return result;
}

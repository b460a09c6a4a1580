#include "framework/Accessible.h"

#include <algorithm>

const char* AccessibleRoleName(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Text: return "text";
    case AccessibleRole::Graphic: return "graphic";
    case AccessibleRole::List: return "list";
    }
    return "text";
}

std::vector<std::string> SplitAccessibleLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> TrimmedGridLines(std::vector<std::string> lines)
{
    for (std::string& line : lines)
        line.erase(line.find_last_not_of(' ') + 1);
    auto filled = [](const std::string& line) { return !line.empty(); };
    auto first = std::find_if(lines.begin(), lines.end(), filled);
    auto last = std::find_if(lines.rbegin(), lines.rend(), filled).base();
    if (first >= last)
        return {};
    return {first, last};
}

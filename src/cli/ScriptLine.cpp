#include "cli/ScriptLine.h"

#include "cli/ScriptError.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

ScriptWords SplitScriptLine(const std::string& line)
{
    ScriptWords words;
    size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        if (line[i] == '#')
            break;
        std::string word;
        bool quoted = false;
        for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
            if (line[i] == '"')
                quoted = !quoted;
            else
                word += line[i];
        }
        if (quoted)
            throw ScriptError("unbalanced quote");
        words.push_back(std::move(word));
    }
    return words;
}

#include "cli/ScriptArguments.h"

#include <cctype>
#include <charconv>

#include "cli/ScriptError.h"

int ParseScriptInt(const std::string& word, const std::string& what)
{
    int value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        throw ScriptError(what + " must be a number, not \"" + word + "\"");
    return value;
}

int ParseKeyCode(const std::string& word)
{
    if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])))
        return std::toupper(static_cast<unsigned char>(word[0]));
    int code = ParseScriptInt(word, "a key code");
    if (code < 1 || code > 254)
        throw ScriptError("a key code must lie between 1 and 254, not " + word);
    return code;
}

static int ParseReply(const std::string& word)
{
    if (word == "ok")
        return IDOK;
    if (word == "cancel")
        return IDCANCEL;
    if (word == "yes")
        return IDYES;
    if (word == "no")
        return IDNO;
    int id = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), id);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || id <= 0)
        throw ScriptError("an answer is ok, cancel, yes, no or a button id, not \"" + word + "\"");
    return id;
}

PromptAnswer ParseAnswer(const ScriptWords& args)
{
    PromptAnswer answer;
    answer.reply = ParseReply(args.at(0));
    for (size_t i = 1; i < args.size(); ++i) {
        auto equals = args[i].find('=');
        if (equals == std::string::npos || equals == 0)
            throw ScriptError("an answer field is NAME=VALUE, not \"" + args[i] + "\"");
        answer.fields.emplace_back(args[i].substr(0, equals), args[i].substr(equals + 1));
    }
    return answer;
}

#include "text/ReadTokens.h"

#include <climits>

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t cursor)
{
    while (cursor < text.size() && IsBlank(text[cursor]))
        ++cursor;
    return cursor;
}

std::string ReadToken(std::string_view text, std::size_t& cursor)
{
    std::size_t start = SkipBlanks(text, cursor);
    std::size_t end = start;
    while (end < text.size() && !IsBlank(text[end]))
        ++end;
    cursor = SkipBlanks(text, end);
    return std::string(text.substr(start, end - start));
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int ReadInt(std::string_view text, std::size_t& cursor)
{
    std::size_t pos = SkipBlanks(text, cursor);
    char lastSkipped = '\0';
    while (pos < text.size() && !IsDigit(text[pos]))
        lastSkipped = text[pos++];
    if (pos >= text.size()) {
        cursor = pos;
        return 0;
    }
    long long value = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (value <= INT_MAX)
            value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (value > INT_MAX)
        value = INT_MAX;
    cursor = SkipBlanks(text, pos);
    return static_cast<int>(lastSkipped == '-' ? -value : value);
}

char FirstCharOr(std::string_view text, char fallback)
{
    return text.empty() ? fallback : text[0];
}

#pragma once
// Reading a keyboard instrument out of a script's printed surfaces.
#include <sstream>
#include <string>

// Line `line` (0..11) of the n-th printed keyboard (a keyboard's print
// starts with its top edge, "┬").
inline std::string KeyboardLine(const std::string& out, int n, int line)
{
    std::istringstream lines(out);
    std::string text;
    int keyboards = 0;
    while (std::getline(lines, text))
        if (text.starts_with("┬") && keyboards++ == n)
            break;
    for (int i = 0; i < line; ++i)
        std::getline(lines, text);
    return text;
}

// The labels on the white keys of the n-th printed keyboard (its line 9).
inline std::string WhiteKeyLabels(const std::string& out, int n)
{
    std::string labels;
    for (char c : KeyboardLine(out, n, 9))
        if (c >= 'A' && c <= 'G')
            labels += c;
    return labels;
}

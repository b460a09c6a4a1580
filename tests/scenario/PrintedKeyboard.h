#pragma once
// Reading a keyboard instrument out of a script's printed surfaces.
#include <sstream>
#include <string>

// The labels on the white keys of the n-th printed keyboard (line 9 of its
// twelve; a keyboard's print starts with its top edge, "┬").
inline std::string WhiteKeyLabels(const std::string& out, int n)
{
    std::istringstream lines(out);
    std::string line;
    int keyboards = 0;
    while (std::getline(lines, line))
        if (line.starts_with("┬") && keyboards++ == n)
            break;
    for (int i = 0; i < 9; ++i)
        std::getline(lines, line);
    std::string labels;
    for (char c : line)
        if (c >= 'A' && c <= 'G')
            labels += c;
    return labels;
}

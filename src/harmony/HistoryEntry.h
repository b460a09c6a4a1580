#pragma once
// A History box entry names a model's key, scale and chord on one line:
// "<key> <scale full name>" followed by "; <chord>" when there is a chord.
#include <string>
#include <string_view>

struct HistoryEntryParts {
    std::string key;
    std::string scale;
    std::string chord;  // empty: no chord
};

std::string MakeHistoryEntry(std::string_view key, std::string_view scale, std::string_view chord);

// The key is the text before the first blank; the scale runs to the first
// ';' after it; the chord is what follows that ';' and the one character
// after it.
HistoryEntryParts SplitHistoryEntry(std::string_view entry);

#include "harmony/HistoryEntry.h"

#include "harmony/ModelState.h"

std::string MakeHistoryEntry(std::string_view key, std::string_view scale, std::string_view chord)
{
    std::string entry = std::string(key) + " " + std::string(scale);
    if (!chord.empty() && chord != ".")
        entry += "; " + std::string(chord);
    return entry;
}

HistoryEntryParts SplitHistoryEntry(std::string_view entry)
{
    HistoryEntryParts parts;
    std::size_t blank = entry.find(' ');
    parts.key = std::string(entry.substr(0, blank));
    if (blank == std::string_view::npos)
        return parts;
    std::string_view rest = entry.substr(blank + 1);
    std::size_t semicolon = rest.find(';');
    parts.scale = std::string(rest.substr(0, semicolon));
    if (semicolon != std::string_view::npos && semicolon + 2 <= rest.size())
        parts.chord = std::string(rest.substr(semicolon + 2));
    return parts;
}

std::string CModelState::HistoryEntry() const
{
    return MakeHistoryEntry(keyName, scaleName, chordName);
}

void CModelState::ApplyHistoryEntry(std::string_view entry)
{
    HistoryEntryParts parts = SplitHistoryEntry(entry);
    AdoptKeyOrC(parts.key);
    scaleName = parts.scale;
    chordName = parts.chord;
    scaleIndex = scales_.FindByFullName(scaleName);
}

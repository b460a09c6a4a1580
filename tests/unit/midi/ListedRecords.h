#pragma once
// A list's records as the listing shows them, for the tests: each with its
// delta in the list and its line, written from the record as the listing
// writes it.
#include <string>
#include <vector>

#include "midi/MidiDescriptions.h"
#include "midi/MidiPlayer.h"

inline const MidiPlayer& NameTables()
{
    static const MidiPlayer player;
    return player;
}

struct ListedLine : MidiEvent {
    std::uint64_t delta = 0;
    std::string text;
};

template <class List>
std::vector<ListedLine> Listed(const List& list)
{
    std::vector<ListedLine> lines;
    for (std::size_t i = 0; i < list.size(); ++i) {
        ListedLine line;
        static_cast<MidiEvent&>(line) = list[i];
        line.delta = i == 0 ? list[i].time : list[i].time - list[i - 1].time;
        AppendRecordLine(line.text, list[i], list[i].time, line.delta, NameTables().noteTable,
                         NameTables().programNames);
        lines.push_back(line);
    }
    return lines;
}

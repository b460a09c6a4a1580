#include "harmony/ModelState.h"

namespace {

// Cells listed in order, an empty cell as ", ", a filled one as its text and
// ", " except after the last cell.
template <std::size_t N>
std::string ListCells(const std::array<NoteCell, N>& cells)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (cells[i].Empty()) {
            list += ", ";
            continue;
        }
        list += cells[i].Text();
        if (i + 1 < N)
            list += ", ";
    }
    return list;
}

} // namespace

void CModelState::BuildReport(const std::vector<std::string>& instrumentTitles)
{
    patternText = ListCells(labels);
    if (HasChord()) {
        patternText += "\r\nBase:  " + ListCells(scaleNotes);
        bool reachesAbove = false;
        for (std::size_t i = 0; i < 12; ++i)
            reachesAbove = reachesAbove || (!labels[i].Empty() && span[i].Empty());
        if (reachesAbove)
            patternText += "\r\nSpan:  " + ListCells(span);
    }

    intervalText.clear();
    for (std::size_t i = 0; i < 12 && steps[i] != 0; ++i)
        intervalText += std::to_string(steps[i]) + " ";

    reportText = "Tonic:   " + keyName + "\r\nScale:   " + scaleName + "\r\nChord:   " + chordName +
                 "\r\nPattern:  " + patternText + "\r\nIntervals:  " + intervalText;
    if (HasChord())
        reportText += "\r\nNotes:  " + ChordNoteNames();
    reportText += "\r\n\r\nInstruments:\r\n";
    for (const std::string& title : instrumentTitles)
        reportText += "  " + title + "\r\n";
}

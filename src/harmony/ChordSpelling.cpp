#include "harmony/ChordDescription.h"
#include "harmony/ModelState.h"

void CModelState::SpellChord(NoteRow& cells)
{
    if (chordName.empty() || chordName.front() == '.')
        return;
    NoteRow chord{};
    NoteSpan chordSpan{};
    ChordDescription description = ReadChordDescription(chordName);

    DegreeWalker walker(cells);
    for (int degree : description.degrees) {
        walker.MoveTo(degree);
        if (walker.Placed()) {
            chord[static_cast<std::size_t>(walker.Cell())] = cells[static_cast<std::size_t>(walker.Cell())];
            chordSpan[static_cast<std::size_t>(walker.SpanCell())] = cells[static_cast<std::size_t>(walker.Cell())];
        }
    }
    for (const AddedInterval& interval : description.intervals) {
        chord[static_cast<std::size_t>(interval.semitones % 12)].Set(interval.label);
        chordSpan[static_cast<std::size_t>(interval.spanCell)].Set(interval.label);
    }
    cells = chord;
    span = chordSpan;
}

#include "harmony/ChordDescription.h"
#include "harmony/IntervalSpelling.h"
#include "harmony/Notation.h"
#include "harmony/ModelState.h"

void CModelState::SpellChord(NoteRow& cells, char notationCode, char chordTonesCode)
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
        std::string label = interval.label;
        if (chordTonesCode != ChordTones::kIntervals)
            label = LabelChordTone(notationCode, SpellInterval(keyName, interval.number, interval.semitones),
                                   interval.label, speller_);
        chord[static_cast<std::size_t>(interval.semitones % 12)].Set(label);
        chordSpan[static_cast<std::size_t>(interval.spanCell)].Set(label);
    }
    cells = chord;
    span = chordSpan;
}

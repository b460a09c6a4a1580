#include "harmony/ChordDescription.h"
#include "harmony/IntervalSpelling.h"
#include "harmony/ModelState.h"

std::string CModelState::ChordNoteNames() const
{
    if (!HasChord() || chordName.front() == '.')
        return {};
    ChordDescription description = ReadChordDescription(chordName);
    // Tones placed by their span cell, so the names come out lowest first.
    std::array<std::string, 24> names;

    // Degrees take the scale's own spelling, which gives successive degrees
    // successive letters.
    DegreeWalker walker(scaleNotes);
    for (int degree : description.degrees) {
        walker.MoveTo(degree);
        if (walker.Placed())
            names[static_cast<std::size_t>(walker.SpanCell())] =
                scaleNotes[static_cast<std::size_t>(walker.Cell())].Text();
    }
    for (const AddedInterval& interval : description.intervals)
        names[static_cast<std::size_t>(interval.spanCell)] =
            SpellInterval(keyName, interval.number, interval.semitones);

    std::string list;
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        if (!list.empty())
            list += ' ';
        list += name;
    }
    return list;
}

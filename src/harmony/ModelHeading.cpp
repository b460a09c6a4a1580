#include "harmony/ModelState.h"

// The short name is the one the Chord menu shows. A chord taken from the
// history or a layout may not match the chord index; it is then named by
// what the model holds.
std::string CModelState::Heading() const
{
    std::string heading = keyName + " " + scaleName;
    if (!HasChord())
        return heading;
    bool indexed = chords_.IsChord(chordIndex) && chordName.starts_with(chords_.GetText(chordIndex));
    return heading + ", chord " + keyName + " " + (indexed ? chords_.GetKey(chordIndex) : chordName);
}

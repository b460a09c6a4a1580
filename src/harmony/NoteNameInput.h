#pragma once
// Note names as a user types them ("C E G Bb", "f#4", "eb"): a letter A-G in
// either case, any number of '#' or 'b', and an octave number that is ignored.
#include <string>
#include <string_view>
#include <vector>

#include "harmony/PitchSet.h"

// The pitch class of one typed name, or -1 when it is not a note name.
int ParseNoteName(std::string_view word);

// The name as a note name is written: without its octave, the letter in
// capitals ("eb4" is "Eb"). Only for words ParseNoteName accepts.
std::string WrittenNoteName(std::string_view word);

struct EnteredNotes {
    PitchSet pitches = 0;
    std::vector<std::string> names;    // the note names, written, in order
    std::vector<std::string> unknown;  // the words that are not note names, in order
};

// Reads the names of a list; blanks and commas separate them.
EnteredNotes ReadNoteNames(std::string_view text);
EnteredNotes ReadNoteNames(const std::vector<std::string>& words);

// The set as plain names from C upwards ("C E G Bb"), sharps for the black
// keys except Eb, Ab and Bb, as musicians write them most.
std::string PitchSetNames(PitchSet set);
// The plain name of one pitch class, as PitchSetNames writes it.
std::string_view PlainNoteName(int pitchClass);

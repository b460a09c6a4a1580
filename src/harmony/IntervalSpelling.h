#pragma once
// Naming a note by the interval it forms above a root: the interval number
// fixes the letter, the semitones the accidentals (the minor third of C is
// Eb, never D#; the diminished fifth of F is Cb).
#include <string>
#include <string_view>

// Pitch class 0..11 of a note name ("C", "Ebb", "F#"), or -1 when the name
// is not a letter A-G followed by any number of '#' or 'b'.
int PitchClassOfName(std::string_view name);

// The note `number` letters above rootName's letter (1 is the root's own
// letter) lying `semitones` above the root, with as many sharps or flats as
// that takes. rootName must be a valid note name.
std::string SpellInterval(std::string_view rootName, int number, int semitones);

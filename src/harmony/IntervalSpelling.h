#pragma once
// Naming a note by the interval it forms above a root: the interval number
// fixes the letter, the semitones the accidentals (the minor third of C is
// Eb, never D#; the diminished fifth of F is Cb).
#include <array>
#include <string>
#include <string_view>

// The pitch classes of the natural letters C D E F G A B, which are also the
// major scale's semitones above its tonic.
inline constexpr std::array<int, 7> kNaturalPitch{0, 2, 4, 5, 7, 9, 11};

// value modulo divisor (divisor > 0), never negative.
int Modulo(int value, int divisor);

// Pitch class 0..11 of a note name ("C", "Ebb", "F#"), or -1 when the name
// is not a letter A-G followed by any number of '#' or 'b'.
int PitchClassOfName(std::string_view name);

// The note `number` letters above rootName's letter (1 is the root's own
// letter) lying `semitones` above the root, with as many sharps or flats as
// that takes. rootName must be a valid note name.
std::string SpellInterval(std::string_view rootName, int number, int semitones);

#pragma once
// Notation methods: turn a scale's spelled note names into the labels a view
// prints (letters, condensed letters, positions, degrees, Roman numerals or
// fixed-do solfège).
#include <string>
#include <string_view>

#include "harmony/NoteCell.h"
#include "harmony/NoteSpeller.h"

namespace Notation {
inline constexpr char kExtended = 'e';
inline constexpr char kCondensed = 'c';
inline constexpr char kPositions = 'p';
inline constexpr char kEnumerated = 'n';
inline constexpr char kRoman = 'r';
inline constexpr char kChromatic = 'h';
inline constexpr char kVoiced = 'v';
} // namespace Notation

namespace ChordSet {
inline constexpr char kCondensed = 'c';
inline constexpr char kFirst = 'f';
inline constexpr char kSecond = 's';
} // namespace ChordSet

inline bool IsNotationCode(char code)
{
    return code != '\0' && std::string_view("ecpnrhv").find(code) != std::string_view::npos;
}

inline bool IsChordSetCode(char code)
{
    return code != '\0' && std::string_view("cfs").find(code) != std::string_view::npos;
}

// How a chord's added intervals (the 3, 5 and 7 of "1,3 maj, 5 per, 7 min")
// are labelled: by their note names or by their interval numbers.
namespace ChordTones {
inline constexpr char kNames = 'n';
inline constexpr char kIntervals = 'i';
} // namespace ChordTones

// The chord tones' part of a layout state string, "_ChordTones n", and its
// reading: a string from before the choice, without the part, reads as
// names.
std::string FormatChordTones(char chordTones);
char ParseChordTones(std::string_view text);

// Letter distance from the first letter of `from` to that of `to`, 0..6.
int LetterDistance(std::string_view from, std::string_view to);

// Copies scaleNotes into out and rewrites the cells for the notation code;
// an unknown code leaves the letter names as they are.
void ApplyNotation(char notation, const NoteRow& scaleNotes, int noteCount, const CNoteSpeller& speller,
                   NoteRow& out);

// The label of a chord tone named `name` whose interval number is `number`
// in the notation: the name in the letter notations (condensed, or its
// syllable, as the notation writes names), "*" for positions, the number in
// the numbering notations.
std::string LabelChordTone(char notation, const std::string& name, const std::string& number,
                           const CNoteSpeller& speller);

#pragma once
// Notation methods: turn a scale's spelled note names into the labels a view
// prints (letters, condensed letters, positions, degrees, Roman numerals or
// fixed-do solfège).
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

// Letter distance from the first letter of `from` to that of `to`, 0..6.
int LetterDistance(std::string_view from, std::string_view to);

// Copies scaleNotes into out and rewrites the cells for the notation code;
// an unknown code leaves the letter names as they are.
void ApplyNotation(char notation, const NoteRow& scaleNotes, int noteCount, const CNoteSpeller& speller,
                   NoteRow& out);

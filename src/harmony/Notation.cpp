#include "harmony/Notation.h"

#include <array>
#include <string>

namespace {

int DegreeNumber(const NoteRow& scaleNotes, int noteCount, int cell)
{
    if (noteCount > 8)
        return cell + 1;
    if (cell == 0)
        return 1;
    int distance = LetterDistance(scaleNotes[0].Text(), scaleNotes[static_cast<std::size_t>(cell)].Text());
    return distance == 0 ? 8 : distance + 1;
}

void Number(const NoteRow& scaleNotes, int noteCount, bool byPosition, NoteRow& out)
{
    for (int i = 0; i < 12; ++i) {
        NoteCell& cell = out[static_cast<std::size_t>(i)];
        if (!cell.Empty())
            cell.Set(std::to_string(byPosition ? i + 1 : DegreeNumber(scaleNotes, noteCount, i)));
    }
}

// Eight is written IIX so that every numeral fits a three-character cell.
void Romanize(NoteRow& out)
{
    static constexpr std::array<std::string_view, 12> numerals{"I",  "II",  "III", "IV", "V",  "VI",
                                                               "VII", "IIX", "IX",  "X",  "XI", "XII"};
    for (int i = 0; i < 12; ++i) {
        NoteCell& cell = out[static_cast<std::size_t>(i)];
        std::string_view text = cell.Text();
        int value = 0;
        for (char c : text)
            value = (c >= '0' && c <= '9' && value <= 12) ? value * 10 + (c - '0') : 99;
        if (!text.empty() && value >= 1 && value <= 12)
            cell.Set(numerals[static_cast<std::size_t>(value - 1)]);
    }
}

// A double flat or sharp in two characters: "EB", "F%".
std::string Condensed(const std::string& name)
{
    if (name.size() != 3)
        return name;
    if (name[1] == 'b')
        return std::string{name[0], 'B'};
    if (name[1] == '#')
        return std::string{name[0], '%'};
    return name;
}

void Condense(NoteRow& out)
{
    for (int i = 1; i < 12; ++i) {
        NoteCell& cell = out[static_cast<std::size_t>(i)];
        if (!cell.Empty())
            cell.Set(Condensed(std::string(cell.Text())));
    }
}

void MarkPositions(NoteRow& out)
{
    for (int i = 0; i < 12; ++i)
        if (!out[static_cast<std::size_t>(i)].Empty())
            out[static_cast<std::size_t>(i)].Set("*");
}

std::string_view Syllable(const NotePosition& position)
{
    // Columns: plain sharps, plain flats, alternative sharps, alternative flats.
    static constexpr std::array<std::array<std::string_view, 4>, 12> syllables{{
        {"Do", "Do", "Tid", "ReB"},  {"Dod", "Reb", "Dod", "Reb"}, {"Re", "Re", "DoD", "MiB"},
        {"Red", "Mib", "Red", "Mib"}, {"Mi", "Mi", "ReD", "Fab"},   {"Fa", "Fa", "Mid", "SoB"},
        {"Fad", "Sob", "Fad", "Sob"}, {"So", "So", "FaD", "LaB"},   {"Sod", "Lab", "Sod", "Lab"},
        {"La", "La", "SoD", "TiB"},  {"Lad", "Tib", "Lad", "Tib"}, {"Ti", "Ti", "LaD", "Dob"},
    }};
    std::size_t column = static_cast<std::size_t>(position.accidentals + 2 * position.variant);
    return syllables[static_cast<std::size_t>(position.pitchClass)][column];
}

void Voice(const NoteRow& scaleNotes, const CNoteSpeller& speller, NoteRow& out)
{
    for (int i = 0; i <= 12; ++i) {
        const NoteCell& source = scaleNotes[static_cast<std::size_t>(i % 12)];
        NotePosition position;
        if (!source.Empty() && speller.FindName(source.Text(), position))
            out[static_cast<std::size_t>(i)].Set(Syllable(position));
    }
}

} // namespace

int LetterDistance(std::string_view from, std::string_view to)
{
    if (from.empty() || to.empty())
        return 0;
    int distance = to.front() - from.front();
    return distance < 0 ? distance + 7 : distance;
}

void ApplyNotation(char notation, const NoteRow& notes, int noteCount, const CNoteSpeller& speller, NoteRow& out)
{
    // A copy, so that relabelling a row in place still reads the names.
    const NoteRow scaleNotes = notes;
    out = scaleNotes;
    switch (notation) {
    case Notation::kCondensed:
        Condense(out);
        break;
    case Notation::kPositions:
        MarkPositions(out);
        break;
    case Notation::kEnumerated:
        Number(scaleNotes, noteCount, false, out);
        break;
    case Notation::kChromatic:
        Number(scaleNotes, noteCount, true, out);
        break;
    case Notation::kRoman:
        Number(scaleNotes, noteCount, false, out);
        Romanize(out);
        break;
    case Notation::kVoiced:
        Voice(scaleNotes, speller, out);
        break;
    default:
        break;
    }
}

std::string LabelChordTone(char notation, const std::string& name, const std::string& number,
                           const CNoteSpeller& speller)
{
    switch (notation) {
    case Notation::kCondensed:
        return Condensed(name);
    case Notation::kPositions:
        return "*";
    case Notation::kVoiced: {
        NotePosition position;
        return speller.FindName(name, position) ? std::string(Syllable(position)) : name;
    }
    case Notation::kEnumerated:
    case Notation::kChromatic:
    case Notation::kRoman:
        return number;
    default:
        return name;
    }
}

std::string FormatChordTones(char chordTones)
{
    return std::string("_ChordTones ") + (chordTones == ChordTones::kIntervals ? 'i' : 'n');
}

char ParseChordTones(std::string_view text)
{
    std::size_t tag = text.find("_ChordTones");
    if (tag == std::string_view::npos)
        return ChordTones::kNames;
    std::size_t code = text.find_first_not_of(' ', tag + 11);
    return code != std::string_view::npos && text[code] == ChordTones::kIntervals ? ChordTones::kIntervals
                                                                                   : ChordTones::kNames;
}

#include "harmony/IntervalSpelling.h"

#include <array>
#include <cctype>

namespace {

constexpr std::string_view kLetters = "CDEFGAB";

int LetterIndex(char letter)
{
    std::size_t at = kLetters.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

int Modulo(int value, int divisor)
{
    int rest = value % divisor;
    return rest < 0 ? rest + divisor : rest;
}

int PitchClassOfName(std::string_view name)
{
    if (name.empty())
        return -1;
    int letter = LetterIndex(name[0]);
    if (letter < 0)
        return -1;
    int pitch = kNaturalPitch[static_cast<std::size_t>(letter)];
    for (char accidental : name.substr(1)) {
        if (accidental == '#')
            ++pitch;
        else if (accidental == 'b')
            --pitch;
        else
            return -1;
    }
    return Modulo(pitch, 12);
}

std::string SpellInterval(std::string_view rootName, int number, int semitones)
{
    int rootLetter = LetterIndex(rootName.empty() ? 'C' : rootName[0]);
    int letter = Modulo(rootLetter + number - 1, 7);
    int pitch = Modulo(PitchClassOfName(rootName) + semitones, 12);
    // The accidentals are the shortest way from the letter's natural pitch.
    int shift = Modulo(pitch - kNaturalPitch[static_cast<std::size_t>(letter)], 12);
    if (shift > 6)
        shift -= 12;
    std::string name(1, kLetters[static_cast<std::size_t>(letter)]);
    name.append(static_cast<std::size_t>(shift < 0 ? -shift : shift), shift < 0 ? 'b' : '#');
    return name;
}

#include "harmony/NoteSpeller.h"

namespace {

constexpr int kCellWidth = 4;
constexpr int kRowWidth = 12 * kCellWidth;

int Fold(int value, int modulus)
{
    int folded = value % modulus;
    return folded < 0 ? folded + modulus : folded;
}

std::size_t CellStart(int accidentals, int variant, int pitchClass)
{
    return static_cast<std::size_t>(2 * kRowWidth * Fold(accidentals, 2) + kRowWidth * Fold(variant, 2) +
                                    kCellWidth * Fold(pitchClass, 12));
}

} // namespace

CNoteSpeller::CNoteSpeller()
    : table_(std::string("C   C#  D   D#  E   F   F#  G   G#  A   A#  B   ") +
             "B#  B## C## D#  D## E#  E## F## G#  G## A#  A## " +
             "C   Db  D   Eb  E   F   Gb  G   Ab  A   Bb  B   " +
             "Dbb Db  Ebb Eb  Fb  Gbb Gb  Abb Ab  Bbb Cbb Cb  ")
{
}

std::string CNoteSpeller::GetName(int accidentals, int variant, int pitchClass) const
{
    std::string_view cell = std::string_view(table_).substr(CellStart(accidentals, variant, pitchClass), kCellWidth);
    return std::string(cell.substr(0, cell.find(' ')));
}

std::string CNoteSpeller::GetName(const NotePosition& position) const
{
    return GetName(position.accidentals, position.variant, position.pitchClass);
}

bool CNoteSpeller::FindName(std::string_view name, int& accidentals, int& variant, int& pitchClass) const
{
    for (int a = 0; a < 2; ++a)
        for (int v = 0; v < 2; ++v)
            for (int p = 0; p < 12; ++p)
                if (GetName(a, v, p) == name) {
                    accidentals = a;
                    variant = v;
                    pitchClass = p;
                    return true;
                }
    return false;
}

bool CNoteSpeller::FindName(std::string_view name, NotePosition& position) const
{
    return FindName(name, position.accidentals, position.variant, position.pitchClass);
}

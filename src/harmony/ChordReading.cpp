#include "harmony/ChordReading.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>

#include "harmony/IntervalSpelling.h"
#include "harmony/ModelState.h"

std::vector<int> ChordPitchesLowestFirst(const ChordDescription& description, const NoteRow& scaleCells)
{
    std::array<int, 24> atSpanCell;
    atSpanCell.fill(-1);
    DegreeWalker walker(scaleCells);
    for (int degree : description.degrees) {
        walker.MoveTo(degree);
        if (walker.Placed())
            atSpanCell[static_cast<std::size_t>(walker.SpanCell())] = walker.Cell();
    }
    for (const AddedInterval& interval : description.intervals)
        atSpanCell[static_cast<std::size_t>(interval.spanCell)] = interval.semitones % 12;
    std::vector<int> tones;
    for (int tone : atSpanCell)
        if (tone >= 0 && std::find(tones.begin(), tones.end(), tone) == tones.end())
            tones.push_back(tone);
    return tones;
}

int RootDegree(const std::vector<int>& degrees)
{
    for (int root : degrees)
        if (root >= 8 &&
            std::all_of(degrees.begin(), degrees.end(), [root](int d) { return Modulo(d - root, 7) % 2 == 0; }))
            return root;
    return degrees.empty() ? 1 : degrees.front();
}

std::size_t ToneOf(int degree, std::size_t toneCount)
{
    return static_cast<std::size_t>(Modulo(degree - 1, static_cast<int>(toneCount)));
}

bool NamedRightly(const std::vector<int>& degrees, const std::vector<int>& numbers, int root)
{
    if (numbers.empty())
        return false;
    int rootNumber = numbers[ToneOf(root, numbers.size())];
    return std::all_of(degrees.begin(), degrees.end(), [&](int d) {
        return Modulo(numbers[ToneOf(d, numbers.size())] - rootNumber, 7) == Modulo(d - root, 7);
    });
}

bool InOrder(const std::vector<int>& order, int tonic, const std::vector<int>& entered)
{
    if (order.size() != entered.size())
        return false;
    for (std::size_t i = 0; i < order.size(); ++i)
        if ((tonic + order[i]) % 12 != entered[i])
            return false;
    return true;
}

int SpellingWeight(const std::vector<int>& tones, const std::vector<int>& numbers, std::string_view key)
{
    int letter = (key[0] - 'A' + 5) % 7;  // C = 0
    int tonic = PitchClassOfName(key);
    int weight = 0;
    for (std::size_t i = 0; i < tones.size() && i < numbers.size(); ++i) {
        int natural = kNaturalPitch[static_cast<std::size_t>((letter + numbers[i] - 1) % 7)];
        weight += std::abs(Modulo(tonic + tones[i] - natural + 6, 12) - 6);
    }
    return weight;
}

bool KeepsTypedNames(CModelState& model, std::string_view key, int scale, int chord,
                     const std::vector<std::string>& typed)
{
    model.SelectKey(key);
    model.SelectScale(scale);
    model.SelectChord(chord);
    model.ComputeNotes();
    std::istringstream chordNames(model.ChordNoteNames());
    std::array<std::string, 12> names;
    for (std::string name; chordNames >> name;)
        names[static_cast<std::size_t>(PitchClassOfName(name))] = name;
    return std::all_of(typed.begin(), typed.end(), [&](const std::string& name) {
        return names[static_cast<std::size_t>(PitchClassOfName(name))] == name;
    });
}

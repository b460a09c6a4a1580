#include <algorithm>

#include "harmony/IntervalSpelling.h"
#include "harmony/ModelState.h"
#include "harmony/Notation.h"

namespace {

constexpr int kDenseScale = 9;
constexpr int kHeptatonic = 7;

// Expected letter distance from the last accepted note to cell k. A seven-tone
// scale gives every degree its own letter, whatever the gap: an augmented
// second is still a second (Eb F#, not Eb Gb). Other sizes read the gap: three
// tones a semitone apart share letters, a minor third not followed by a
// semitone skips a letter (as in pentatonic scales), a major third spans two
// letters and a fourth three (so a gapped scale writes C D Eb G, not F##).
int ExpectedDistance(const NoteRow& cells, int noteCount, int last, int k)
{
    if (noteCount == kHeptatonic)
        return 1;
    int gap = k - last;
    if (gap == 1)
        return (last > 0 && !cells[static_cast<std::size_t>(last - 1)].Empty()) ? 0 : 1;
    if (gap == 3)
        return cells[static_cast<std::size_t>(k + 1)].Empty() ? 2 : 1;
    if (gap == 4)
        return 2;
    if (gap == 5 || gap == 6)
        return 3;
    return 1;
}

int CircularLetterDistance(char from, char to)
{
    int distance = ((to - from) % 7 + 7) % 7;
    return std::min(distance, 7 - distance);
}

// The name itself when the note table holds it; otherwise (a triple
// accidental, or Fbb) the table's name for the same pitch whose letter lies
// nearest, which keeps the letters of the scale ascending.
std::string NameInTable(const CNoteSpeller& speller, const std::string& name)
{
    NotePosition position;
    if (speller.FindName(name, position))
        return name;
    int pitchClass = PitchClassOfName(name);
    std::string nearest;
    for (int a = 0; a < 2; ++a)
        for (int v = 0; v < 2; ++v) {
            std::string candidate = speller.GetName(a, v, pitchClass);
            if (nearest.empty() ||
                CircularLetterDistance(name[0], candidate[0]) < CircularLetterDistance(name[0], nearest[0]))
                nearest = candidate;
        }
    return nearest;
}

} // namespace

void CModelState::SpellScale()
{
    for (NoteCell& cell : scaleNotes)
        cell.Clear();
    scaleNotes[0].Set(keyName);
    // The running total is kept wide and any note it places outside the
    // octave is dropped, so no step list can write past the 13 cells.
    long long offset = 0;
    int count = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        offset += steps[i];
        if (offset >= 0 && offset <= 12) {
            int pitchClass = static_cast<int>((tonic + offset) % 12);
            scaleNotes[static_cast<std::size_t>(offset)].Set(speller_.GetName(accidentals, variant, pitchClass));
            ++count;
        }
        if (i + 1 >= steps.size() || steps[i + 1] <= 0)
            break;
    }
    noteCount = count;
    bool spelled = SpellByDegrees();
    if (count > kDenseScale)
        return;
    if (!spelled)
        Respell();
    for (std::size_t i = 0; i < span.size(); ++i) {
        if (i < 12)
            span[i] = scaleNotes[i];
        else
            span[i].Clear();
    }
}

// Each tone takes the letter of its interval number above the key and the
// accidentals its semitones need. The spelling choice follows the last tone
// renamed, as in Respell. False, changing nothing, when the scale has no
// spelling for the tones placed.
bool CModelState::SpellByDegrees()
{
    std::vector<int> cells;
    for (int k = 0; k < 12; ++k)
        if (!scaleNotes[static_cast<std::size_t>(k)].Empty())
            cells.push_back(k);
    if (spelling.size() != cells.size())
        return false;
    for (std::size_t i = 1; i < cells.size(); ++i) {
        NoteCell& cell = scaleNotes[static_cast<std::size_t>(cells[i])];
        std::string name = NameInTable(speller_, SpellInterval(keyName, spelling[i], cells[i]));
        if (name == cell.Text())
            continue;
        cell.Set(name);
        NotePosition position;
        speller_.FindName(name, position);
        accidentals = position.accidentals;
        variant = position.variant;
    }
    return true;
}

void CModelState::Respell()
{
    int last = 0;
    int degree = 1;
    for (int k = 1; k <= 11; ++k) {
        int pitchClass = (tonic + k) % 12;
        NoteCell& cell = scaleNotes[static_cast<std::size_t>(k)];
        if (cell.Empty())
            continue;
        if (++degree > 8)
            return;
        int expected = ExpectedDistance(scaleNotes, noteCount, last, k);
        std::string_view lastName = scaleNotes[static_cast<std::size_t>(last)].Text();
        if (LetterDistance(lastName, cell.Text()) != expected) {
            bool fitted = false;
            for (int a = 0; a < 2 && !fitted; ++a)
                for (int v = 0; v < 2 && !fitted; ++v) {
                    std::string name = speller_.GetName(a, v, pitchClass);
                    if (LetterDistance(lastName, name) == expected) {
                        cell.Set(name);
                        accidentals = a;
                        variant = v;
                        fitted = true;
                    }
                }
            if (!fitted)
                return;
        }
        last = k;
    }
}

void CModelState::LabelNotes(char notationCode, char chordTonesCode, NoteRow& out)
{
    ApplyNotation(notationCode, scaleNotes, noteCount, speller_, out);
    if (HasChord())
        SpellChord(out, notationCode, chordTonesCode);
}

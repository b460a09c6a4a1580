#include "harmony/ChordIdentifier.h"

#include <algorithm>
#include <cstdlib>

#include "harmony/ChordDescription.h"
#include "harmony/IntervalSpelling.h"
#include "harmony/Keys.h"
#include "harmony/NoteCell.h"

namespace {

// The cells a scale fills above its tonic, placed as the model places them
// when it spells the scale (notes outside the octave are dropped).
NoteRow ScaleCells(const std::array<int, 13>& steps)
{
    NoteRow cells{};
    cells[0].Set("*");
    long long offset = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        offset += steps[i];
        if (offset >= 0 && offset <= 12)
            cells[static_cast<std::size_t>(offset)].Set("*");
        if (i + 1 >= steps.size() || steps[i + 1] <= 0)
            break;
    }
    return cells;
}

PitchSet CellPitches(const NoteRow& cells)
{
    PitchSet set = 0;
    for (int i = 0; i < 12; ++i)
        if (!cells[static_cast<std::size_t>(i)].Empty())
            set |= PitchBit(i);
    return set;
}

PitchSet ChordPitches(const ChordDescription& description, const NoteRow& scaleCells)
{
    PitchSet set = 0;
    DegreeWalker walker(scaleCells);
    for (int degree : description.degrees) {
        walker.MoveTo(degree);
        if (walker.Placed())
            set |= PitchBit(walker.Cell());
    }
    for (const AddedInterval& interval : description.intervals)
        set |= PitchBit(interval.semitones);
    return set;
}

bool TakesOnlyTheTonic(const ChordDescription& description)
{
    return std::all_of(description.degrees.begin(), description.degrees.end(), [](int d) { return d == 1; });
}

// The scale a preset chord chooses: its full name follows the last ';' and
// one more character, and is closed by one character.
int PresetScale(const CScaleCatalog& scales, const std::string& text)
{
    std::size_t semicolon = text.rfind(';');
    if (semicolon == std::string::npos || semicolon + 2 >= text.size())
        return -1;
    std::string name = text.substr(semicolon + 2);
    name.pop_back();
    return scales.FindByFullName(name);
}

constexpr int kKeyCount = static_cast<int>(kKeyCommands.size());

int KeyTonic(int key)
{
    return PitchClassOfName(kKeyCommands[static_cast<std::size_t>(key)].name);
}

// How many sharps and flats a seven-tone scale needs in this key, one letter
// a degree (a double sharp counts two): of two enharmonic keys a musician
// reads the one with fewer first. Other scales weigh only the key's own.
int SpellingWeight(PitchSet tones, int key)
{
    static constexpr int kNaturals[7] = {0, 2, 4, 5, 7, 9, 11};
    std::string_view name = kKeyCommands[static_cast<std::size_t>(key)].name;
    int letter = (name[0] - 'A' + 5) % 7;  // C = 0
    int tonic = KeyTonic(key);
    auto accidentals = [](int pitch, int natural) { return std::abs((pitch - natural + 18) % 12 - 6); };
    if (PitchCount(tones) != 7)
        return accidentals(tonic, kNaturals[letter]);
    int weight = 0;
    int degree = 0;
    for (int offset = 0; offset < 12; ++offset)
        if (tones & PitchBit(offset))
            weight += accidentals((tonic + offset) % 12, kNaturals[(letter + degree++) % 7]);
    return weight;
}

} // namespace

CChordIdentifier::CChordIdentifier(const CScaleCatalog& scales, const CChordCatalog& chords)
{
    std::vector<NoteRow> scaleCells;
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& record = scales.Record(i);
        if (record.depth < 0 || record.name.empty() || record.name[0] == '@')
            break;
        if (record.childCount != 1)
            continue;
        scaleCells.push_back(ScaleCells(record.steps));
        scales_.push_back({i, CellPitches(scaleCells.back())});
        KeyWeights& weights = weights_[i];
        for (int key = 0; key < kKeyCount; ++key)
            weights[static_cast<std::size_t>(key)] = SpellingWeight(scales_.back().tones, key);
    }
    for (int i = 0; i < chords.Count(); ++i)
        if (chords.IsChord(i) && chords.GetText(i) != ".")
            AddChord(scales, scaleCells, chords, i);
}

void CChordIdentifier::AddChord(const CScaleCatalog& catalog, const std::vector<NoteRow>& scaleCells,
                                const CChordCatalog& chords, int record)
{
    ChordDescription description = ReadChordDescription(chords.GetText(record));
    ChordShape chord;
    chord.record = record;
    for (const NoteRow& cells : scaleCells)
        chord.tonesInScale.push_back(ChordPitches(description, cells));
    if (chords.GetGroup(record) == "preset") {
        int scale = PresetScale(catalog, chords.GetText(record));
        auto found = std::find_if(scales_.begin(), scales_.end(), [&](const ScaleShape& s) { return s.record == scale; });
        if (found != scales_.end())
            chord.onlyScale = static_cast<int>(found - scales_.begin());
    }
    chord.sameInEveryScale = chord.onlyScale < 0 && TakesOnlyTheTonic(description) && !scales_.empty();
    if (chord.sameInEveryScale) {
        PitchSet tones = chord.tonesInScale.front();
        auto home = std::find_if(scales_.begin(), scales_.end(), [&](const ScaleShape& s) { return Contains(s.tones, tones); });
        chord.homeScale = home == scales_.end() ? 0 : static_cast<int>(home - scales_.begin());
    }
    chords_.push_back(std::move(chord));
}

int CChordIdentifier::Weight(const IdentifyResult& result) const
{
    auto at = weights_.find(result.scale);
    return at == weights_.end() ? 0 : at->second[static_cast<std::size_t>(result.key)];
}

std::vector<IdentifyResult> CChordIdentifier::Identify(PitchSet notes) const
{
    std::vector<IdentifyResult> results;
    if (notes == 0)
        return results;
    for (const ChordShape& chord : chords_)
        AddChordResults(chord, notes, results);
    // The commonest scales come first in the catalogue: a dominant seventh
    // reads as V7 of a major key before it reads as I7 of a rarer mode.
    std::stable_sort(results.begin(), results.end(), [this](const IdentifyResult& a, const IdentifyResult& b) {
        if (a.scale != b.scale)
            return a.scale < b.scale;
        return a.chord < b.chord || (a.chord == b.chord && Weight(a) < Weight(b));
    });
    AddScaleResults(notes, results);
    return results;
}

void CChordIdentifier::AddChordResults(const ChordShape& chord, PitchSet notes,
                                       std::vector<IdentifyResult>& results) const
{
    int firstScale = 0;
    int endScale = static_cast<int>(scales_.size());
    if (chord.sameInEveryScale) {
        firstScale = chord.homeScale;
        endScale = firstScale + 1;
    } else if (chord.onlyScale >= 0) {
        firstScale = chord.onlyScale;
        endScale = firstScale + 1;
    }
    for (int key = 0; key < kKeyCount; ++key) {
        int tonic = KeyTonic(key);
        for (int s = firstScale; s < endScale; ++s) {
            std::size_t at = static_cast<std::size_t>(chord.sameInEveryScale ? 0 : s);
            if (Transpose(chord.tonesInScale[at], tonic) == notes)
                results.push_back({true, key, scales_[static_cast<std::size_t>(s)].record, chord.record, 0});
        }
    }
}

void CChordIdentifier::AddScaleResults(PitchSet notes, std::vector<IdentifyResult>& results) const
{
    std::vector<IdentifyResult> found;
    for (const ScaleShape& scale : scales_)
        for (int key = 0; key < kKeyCount; ++key) {
            PitchSet tones = Transpose(scale.tones, KeyTonic(key));
            if (Contains(tones, notes))
                found.push_back({false, key, scale.record, -1, PitchCount(tones) - PitchCount(notes)});
        }
    std::stable_sort(found.begin(), found.end(), [this](const IdentifyResult& a, const IdentifyResult& b) {
        if (a.extraNotes != b.extraNotes)
            return a.extraNotes < b.extraNotes;
        return a.scale < b.scale || (a.scale == b.scale && Weight(a) < Weight(b));
    });
    results.insert(results.end(), found.begin(), found.end());
}

#include "harmony/ChordIdentifier.h"

#include <algorithm>
#include <tuple>

#include "harmony/ChordDescription.h"
#include "harmony/ChordReading.h"
#include "harmony/DegreeSpelling.h"
#include "harmony/IntervalSpelling.h"
#include "harmony/ModelState.h"
#include "harmony/Notation.h"

namespace {

constexpr int kKeyCount = static_cast<int>(kKeyCommands.size());

std::string_view KeyName(int key)
{
    return kKeyCommands[static_cast<std::size_t>(key)].name;
}

int KeyTonic(int key)
{
    return PitchClassOfName(KeyName(key));
}

// The cells a scale fills above its tonic, as the model places them.
NoteRow ScaleCells(const std::vector<int>& tones)
{
    NoteRow cells{};
    for (int tone : tones)
        cells[static_cast<std::size_t>(tone)].Set("*");
    return cells;
}

PitchSet TonePitches(const std::vector<int>& tones)
{
    PitchSet set = 0;
    for (int tone : tones)
        set |= PitchBit(tone);
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

} // namespace

struct CChordIdentifier::RankedChord {
    IdentifyResult result;
    int fromScale = 0;     // 0 fixed intervals above a root, 1 tones from the scale or the key
    int otherRoot = 0;     // 0 rooted on the note entered first
    int scaleOrder = 0;    // the scale's record for chords from a scale
    int untyped = 0;       // 0 keeps the typed names
    int otherOrder = 0;    // 0 has its tones, lowest first, in the order entered
    int weight = 0;

    auto Order() const
    {
        return std::tie(fromScale, otherRoot, scaleOrder, untyped, otherOrder, result.chord, weight, result.key);
    }
};

CChordIdentifier::CChordIdentifier(const CScaleCatalog& scales, const CChordCatalog& chords)
    : scaleCatalog_(scales), chordCatalog_(chords)
{
    CModelState inC(speller_, scales, chords);
    inC.SetDefaults();
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& record = scales.Record(i);
        if (record.depth < 0 || record.name.empty() || record.name[0] == '@')
            break;
        if (record.childCount == 1)
            AddScale(i, inC);
    }
    for (int i = 0; i < chords.Count(); ++i)
        if (chords.IsChord(i) && chords.GetText(i) != ".")
            AddChord(i);
}

// The scale's interval numbers come from its letters as the model spells it
// in C, so a scale without a spelling of its own is read as it is shown.
void CChordIdentifier::AddScale(int record, CModelState& inC)
{
    inC.SelectKey("C");
    inC.SelectScale(record);
    inC.SpellScale();
    ScaleShape scale;
    scale.record = record;
    scale.tones = ScaleTones(scaleCatalog_.Record(record).steps);
    scale.pitches = TonePitches(scale.tones);
    for (int tone : scale.tones)
        scale.numbers.push_back(LetterDistance("C", inC.scaleNotes[static_cast<std::size_t>(tone)].Text()) + 1);
    for (int key = 0; key < kKeyCount; ++key)
        scale.weights[static_cast<std::size_t>(key)] = SpellingWeight(scale.tones, scale.numbers, KeyName(key));
    scales_.push_back(std::move(scale));
}

void CChordIdentifier::AddChord(int record)
{
    ChordDescription description = ReadChordDescription(chordCatalog_.GetText(record));
    ChordShape chord;
    chord.record = record;
    if (chordCatalog_.GetGroup(record) == "preset") {
        int scale = PresetScale(scaleCatalog_, chordCatalog_.GetText(record));
        auto found = std::find_if(scales_.begin(), scales_.end(), [&](const ScaleShape& s) { return s.record == scale; });
        if (found != scales_.end())
            chord.onlyScale = static_cast<int>(found - scales_.begin());
    }
    chord.fixedIntervals = chord.onlyScale < 0 && TakesOnlyTheTonic(description) && !scales_.empty();
    chord.ofTheKey = description.degrees.empty() && !description.intervals.empty();
    int rootDegree = RootDegree(description.degrees);
    // A chord of fixed intervals is the same in every scale: one is enough.
    std::size_t scaleCount = chord.fixedIntervals ? 1 : scales_.size();
    for (std::size_t s = 0; s < scaleCount; ++s) {
        const ScaleShape& scale = scales_[s];
        ChordInScale in;
        in.order = ChordPitchesLowestFirst(description, ScaleCells(scale.tones));
        in.tones = TonePitches(in.order);
        if (chord.ofTheKey) {
            in.root = description.intervals.front().semitones % 12;
        } else if (!chord.fixedIntervals) {
            in.root = scale.tones[ToneOf(rootDegree, scale.tones.size())];
            // A preset's own scale is the one its name was given for.
            in.named = chord.onlyScale >= 0 || NamedRightly(description.degrees, scale.numbers, rootDegree);
        }
        chord.inScale.push_back(in);
    }
    if (chord.fixedIntervals) {
        PitchSet tones = chord.inScale.front().tones;
        auto home =
            std::find_if(scales_.begin(), scales_.end(), [&](const ScaleShape& s) { return Contains(s.pitches, tones); });
        chord.homeScale = home == scales_.end() ? 0 : static_cast<int>(home - scales_.begin());
    }
    chords_.push_back(std::move(chord));
}

std::vector<IdentifyResult> CChordIdentifier::Identify(PitchSet notes) const
{
    return Identify(PlayedFromPitches(notes));
}

std::vector<IdentifyResult> CChordIdentifier::Identify(const PlayedNotes& notes) const
{
    std::vector<IdentifyResult> results;
    PitchSet pitches = notes.Pitches();
    if (pitches == 0)
        return results;
    std::vector<RankedChord> ranked;
    for (const ChordShape& chord : chords_)
        AddChordResults(chord, notes, ranked);
    if (!notes.typedNames.empty()) {
        CModelState model(speller_, scaleCatalog_, chordCatalog_);
        model.SetDefaults();
        for (RankedChord& r : ranked) {
            bool keeps = KeepsTypedNames(model, KeyName(r.result.key), r.result.scale, r.result.chord, notes.typedNames);
            r.untyped = keeps ? 0 : 1;
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedChord& a, const RankedChord& b) { return a.Order() < b.Order(); });
    for (const RankedChord& r : ranked)
        results.push_back(r.result);
    AddScaleResults(pitches, results);
    return results;
}

void CChordIdentifier::AddChordResults(const ChordShape& chord, const PlayedNotes& notes,
                                       std::vector<RankedChord>& ranked) const
{
    PitchSet pitches = notes.Pitches();
    int firstScale = 0;
    int endScale = static_cast<int>(scales_.size());
    if (chord.fixedIntervals) {
        firstScale = chord.homeScale;
        endScale = firstScale + 1;
    } else if (chord.onlyScale >= 0) {
        firstScale = chord.onlyScale;
        endScale = firstScale + 1;
    }
    for (int key = 0; key < kKeyCount; ++key) {
        int tonic = KeyTonic(key);
        for (int s = firstScale; s < endScale; ++s) {
            const ScaleShape& scale = scales_[static_cast<std::size_t>(s)];
            const ChordInScale& in = chord.inScale[static_cast<std::size_t>(chord.fixedIntervals ? 0 : s)];
            if (!in.named || Transpose(in.tones, tonic) != pitches)
                continue;
            RankedChord r;
            r.result = {true, key, scale.record, chord.record, 0};
            r.fromScale = chord.fixedIntervals && !chord.ofTheKey ? 0 : 1;
            r.otherRoot = (tonic + in.root) % 12 == notes.First() ? 0 : 1;
            r.scaleOrder = r.fromScale ? scale.record : 0;
            r.otherOrder = InOrder(in.order, tonic, notes.pitchClasses) ? 0 : 1;
            r.weight = scale.weights[static_cast<std::size_t>(key)];
            ranked.push_back(r);
        }
    }
}

void CChordIdentifier::AddScaleResults(PitchSet notes, std::vector<IdentifyResult>& results) const
{
    struct Found {
        IdentifyResult result;
        int weight = 0;
    };
    std::vector<Found> found;
    for (const ScaleShape& scale : scales_)
        for (int key = 0; key < kKeyCount; ++key) {
            PitchSet tones = Transpose(scale.pitches, KeyTonic(key));
            if (Contains(tones, notes))
                found.push_back({{false, key, scale.record, -1, PitchCount(tones) - PitchCount(notes)},
                                 scale.weights[static_cast<std::size_t>(key)]});
        }
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::tie(a.result.extraNotes, a.result.scale, a.weight) <
               std::tie(b.result.extraNotes, b.result.scale, b.weight);
    });
    for (const Found& f : found)
        results.push_back(f.result);
}

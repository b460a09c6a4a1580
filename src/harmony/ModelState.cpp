#include "harmony/ModelState.h"

CModelState::CModelState(const CNoteSpeller& speller, const CScaleCatalog& scales, const CChordCatalog& chords)
    : speller_(speller), scales_(scales), chords_(chords)
{
}

void CModelState::SetDefaults()
{
    chordset = 'c';
    notation = 'e';
    chordTones = 'n';
    keyName = "C";
    accidentals = variant = tonic = 0;
    chordName.clear();
    chordIndex = 0;
    SelectScale(0);
}

bool CModelState::SelectKey(std::string_view name)
{
    NotePosition position;
    if (!speller_.FindName(name, position))
        return false;
    keyName = std::string(name);
    accidentals = position.accidentals;
    variant = position.variant;
    tonic = position.pitchClass;
    return true;
}

void CModelState::AdoptKeyOrC(std::string_view name)
{
    if (!SelectKey(name)) {
        keyName = "C";
        accidentals = variant = tonic = 0;
    }
}

void CModelState::TakeScaleRecord(int index)
{
    if (index < 0 || index >= CScaleCatalog::kCapacity)
        index = 0;
    scaleName = scales_.GetFullName(index);
    scaleIndex = index;
    steps = scales_.Record(index).steps;
    spelling = scales_.Record(index).spelling;
    noteCount = 0;
    for (int step : steps)
        if (step > 0)
            ++noteCount;
}

void CModelState::SelectScale(int index)
{
    TakeScaleRecord(index);
}

int CModelState::FindChord(std::string_view name) const
{
    int index = chords_.FindShown(name);
    return index > 0 ? index : -1;
}

void CModelState::SelectChord(int index)
{
    chordName = chords_.GetText(index);
    chordIndex = index;
    // Only a chord line can be chosen: a command for a group line, the
    // terminator or an unused record would show its text as a chord.
    if (chordName == "." || !chords_.IsChord(index)) {
        chordName.clear();
        return;
    }
    std::string group = chords_.GetGroup(index);
    if (group == "preset") {
        // The description ends "; <scale full name>" plus one closing character.
        std::size_t semicolon = chordName.rfind(';');
        if (semicolon != std::string::npos && semicolon + 2 < chordName.size()) {
            std::string scale = chordName.substr(semicolon + 2);
            scale.pop_back();
            int found = scales_.FindByFullName(scale);
            if (found >= 0)
                TakeScaleRecord(found);
        }
    }
    chordName = chords_.ShownName(index);
}

// History entries, layouts and profiles carry the chord by name only.
void CModelState::MatchChordIndex()
{
    if (!HasChord())
        chordIndex = 0;
    else if (!chords_.IsChord(chordIndex) || chords_.ShownName(chordIndex) != chordName)
        chordIndex = chords_.FindShown(chordName);
}

namespace {

struct SignatureKey {
    const char* name;
    int accidentals;
    int variant;
    int tonic;
};

// Rows for sf = -7..7.
constexpr SignatureKey kMajorKeys[15] = {
    {"Cb", 1, 1, 11}, {"Gb", 1, 1, 6}, {"Db", 1, 0, 1}, {"Ab", 1, 0, 8}, {"Eb", 1, 0, 3},
    {"Bb", 1, 0, 10}, {"F", 1, 0, 5},  {"C", 0, 0, 0},  {"G", 0, 0, 7},  {"D", 0, 0, 2},
    {"A", 0, 0, 9},   {"E", 0, 0, 4},  {"B", 0, 0, 11}, {"F#", 0, 1, 6}, {"C#", 0, 1, 1},
};
constexpr SignatureKey kMinorKeys[15] = {
    {"Ab", 1, 0, 8}, {"Eb", 1, 0, 3}, {"Bb", 1, 0, 10}, {"F", 1, 0, 5}, {"C", 1, 0, 0},
    {"G", 1, 0, 7},  {"D", 1, 0, 2},  {"A", 0, 0, 9},   {"E", 0, 0, 4}, {"B", 0, 0, 11},
    {"F#", 0, 0, 6}, {"C#", 0, 0, 1}, {"G#", 0, 0, 8},  {"D#", 0, 0, 3}, {"A#", 0, 0, 10},
};

constexpr int kMajorRecord = 0;
constexpr int kNaturalMinorRecord = 2;

} // namespace

bool CModelState::ApplyKeySignature(int sf, bool minor)
{
    if (!liveFlag)
        return false;
    if (sf > 127)
        sf -= 256;
    if (sf >= -7 && sf <= 7) {
        const SignatureKey& key = (minor ? kMinorKeys : kMajorKeys)[sf + 7];
        keyName = key.name;
        accidentals = key.accidentals;
        variant = key.variant;
        tonic = key.tonic;
    }
    TakeScaleRecord(minor ? kNaturalMinorRecord : kMajorRecord);
    scaleName = minor ? "natural minor" : "major";
    chordName.clear();
    return true;
}

void CModelState::ComputeNotes()
{
    SpellScale();
    LabelNotes(notation, chordTones, labels);
}

void CModelState::Recompute(const std::vector<std::string>& instrumentTitles)
{
    MatchChordIndex();
    ComputeNotes();
    BuildReport(instrumentTitles);
}

#pragma once
// A model's choice (key, scale, chord) and everything computed from it: the
// spelled scale, its labels, the chord tones over two octaves and the report.
// The model document holds one and recomputes it after every change.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/NoteCell.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"

class CModelState {
public:
    // The speller and catalogues belong to the application and outlive models.
    CModelState(const CNoteSpeller& speller, const CScaleCatalog& scales, const CChordCatalog& chords);

    // Key C, scale record 0, no chord, notation 'e', chord set 'c', chord
    // tones by name.
    void SetDefaults();

    // False, changing nothing, when the note table does not hold the name.
    bool SelectKey(std::string_view name);
    // Takes the name and spelling when the note table holds the name, else
    // falls back to "C" (for names read from settings, layouts and history).
    void AdoptKeyOrC(std::string_view name);
    // An index outside the table selects record 0.
    void SelectScale(int index);
    void SelectChord(int index);
    // The chord record a model's chord name comes from; -1 when it is no
    // chord of the catalogue.
    int FindChord(std::string_view name) const;
    // Takes a key signature from playback; false (nothing changed) unless
    // liveFlag is set. sf counts sharps (positive) or flats; a byte above
    // 127 is read as negative.
    bool ApplyKeySignature(int sf, bool minor);

    // Respells the scale and relabels it for `notation`, reduced to the chord.
    void ComputeNotes();
    // Pattern, interval and report texts; instrumentTitles in attachment order.
    void BuildReport(const std::vector<std::string>& instrumentTitles);
    // Points chordIndex at the catalogue's record of chordName (0 when it
    // names none), so the Chord menu checks what the model shows.
    void MatchChordIndex();
    // MatchChordIndex, ComputeNotes and BuildReport: the computing part of a recompute.
    void Recompute(const std::vector<std::string>& instrumentTitles);

    void SpellScale();
    // Copies scaleNotes into out, relabels for the notation and, when a
    // chord is set, reduces out to the chord tones (which also fills span);
    // chordTonesCode says how its added intervals are labelled.
    void LabelNotes(char notationCode, char chordTonesCode, NoteRow& out);
    // Added intervals by name are spelled as ChordNoteNames spells them.
    void SpellChord(NoteRow& cells, char notationCode, char chordTonesCode);
    // The chord's tones as note names from the lowest up, blank-separated:
    // degrees as the scale spells them, added intervals by their number
    // above the key (the minor third of C is Eb). Empty without a chord.
    std::string ChordNoteNames() const;

    bool HasChord() const { return !chordName.empty() && chordName != "."; }

    // "_Model" part of a layout state string; historySelection as saved.
    std::string FormatModelState(int historySelection) const;
    // Reads the "_Model" part; on success sets notation, key, scale name and
    // index, and chord, and returns the saved History selection. The caller
    // then selects scaleIndex once its own part has been parsed. False for
    // a notation, key, scale or chord the program does not know.
    bool ParseModelState(std::string_view text, int& historySelection);

    // The model in words: key and scale, then ", chord " with the key and
    // the chord's short name when a chord is set ("G major, chord G maj").
    std::string Heading() const;

    // The History box entry: key, blank, scale, then "; " and the chord.
    std::string HistoryEntry() const;
    // Takes key, scale name and index, and chord from an entry; the caller
    // then selects scaleIndex.
    void ApplyHistoryEntry(std::string_view entry);

    int accidentals = 0;
    int variant = 0;
    int tonic = 0;
    int scaleIndex = 0;
    int chordIndex = 0;
    std::string keyName = "C";
    std::string scaleName;
    std::string chordName;
    std::array<int, 13> steps{};
    std::vector<int> spelling;  // the scale's interval numbers, one per tone; may be empty
    int noteCount = 0;
    NoteRow scaleNotes{};
    NoteRow labels{};
    NoteSpan span{};
    char notation = 'e';
    char chordset = 'c';
    // 'n' chord tones by name, 'i' by interval number.
    char chordTones = 'n';
    std::string patternText;
    std::string intervalText;
    std::string reportText;
    int liveFlag = 0;

private:
    void TakeScaleRecord(int index);
    bool SpellByDegrees();
    void Respell();

    const CNoteSpeller& speller_;
    const CScaleCatalog& scales_;
    const CChordCatalog& chords_;
};

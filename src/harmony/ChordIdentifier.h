#pragma once
// Naming what is played: the catalogue chords whose tones are exactly a set
// of pitch classes, and the scales that hold them all, over the seventeen
// keys. Everything the search needs is reduced to pitch sets once, so one
// search over the whole catalogue takes microseconds.
#include <array>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/Keys.h"
#include "harmony/NoteSpeller.h"
#include "harmony/PitchSet.h"
#include "harmony/PlayedNotes.h"
#include "harmony/ScaleCatalog.h"

class CModelState;

struct IdentifyResult {
    bool isChord = false;
    int key = 0;         // index into kKeyCommands
    int scale = 0;       // scale record
    int chord = -1;      // chord record; -1 for a scale
    int extraNotes = 0;  // scale tones that were not entered (0 for chords)

    friend bool operator==(const IdentifyResult&, const IdentifyResult&) = default;
};

class CChordIdentifier {
public:
    // The catalogues must outlive the identifier: typed names are held
    // against the chord tones a model spells from them.
    CChordIdentifier(const CScaleCatalog& scales, const CChordCatalog& chords);

    // Chords first, in the order a musician names the notes: chords of fixed
    // intervals above a root before chords taken from a scale or the key;
    // within each, those whose root is the note entered first; chords from
    // a scale by the scale's place in the catalogue; then those that keep
    // the names typed, those whose tones come lowest first in the order
    // entered, chord catalogue order, the key whose spelling needs the
    // fewest accidentals and key order. A chord from a scale whose name
    // promises a tone the scale does not give it (a sus without a fourth) is
    // left out. Then the scales, fewest extra notes first, ties in scale
    // catalogue order, fewest accidentals, key order. No notes match nothing.
    std::vector<IdentifyResult> Identify(const PlayedNotes& notes) const;
    // The notes taken from C upwards.
    std::vector<IdentifyResult> Identify(PitchSet notes) const;

private:
    using KeyWeights = std::array<int, kKeyCommands.size()>;
    struct ScaleShape {
        int record = 0;
        std::vector<int> tones;    // the cells it fills above its tonic
        PitchSet pitches = 0;      // the same above a tonic of C
        std::vector<int> numbers;  // each tone's interval number, as spelled in C
        KeyWeights weights{};      // the accidentals the scale needs in each key
    };
    // A chord in one scale, above a tonic of C.
    struct ChordInScale {
        std::vector<int> order;  // its pitch classes, lowest first
        PitchSet tones = 0;
        int root = 0;       // semitones above the tonic
        bool named = true;  // its name promises only what the scale gives
    };
    struct ChordShape {
        int record = 0;
        std::vector<ChordInScale> inScale;  // one per scale of scales_
        // A chord that takes nothing from the scale but its tonic sounds the
        // same in every scale: it is offered once per key, in homeScale (the
        // first scale that holds it). A preset chord brings its own scale.
        bool fixedIntervals = false;
        // A chord of the key written from its lowest note without the tonic
        // (N6, Ger+6): named by what it does in the key, as chords from a
        // scale are, and heard over its lowest note.
        bool ofTheKey = false;
        int onlyScale = -1;  // position in scales_, or -1
        int homeScale = 0;   // position in scales_
    };
    struct RankedChord;

    void AddScale(int record, CModelState& inC);
    void AddChord(int record);
    void AddChordResults(const ChordShape& chord, const PlayedNotes& notes, std::vector<RankedChord>& ranked) const;
    void AddScaleResults(PitchSet notes, std::vector<IdentifyResult>& results) const;

    const CScaleCatalog& scaleCatalog_;
    const CChordCatalog& chordCatalog_;
    CNoteSpeller speller_;
    std::vector<ScaleShape> scales_;
    std::vector<ChordShape> chords_;
};

#pragma once
// Naming what is played: the catalogue chords whose tones are exactly a set
// of pitch classes, and the scales that hold them all, over the seventeen
// keys. Everything the search needs is reduced to pitch sets once, so one
// search over the whole catalogue takes microseconds.
#include <array>
#include <unordered_map>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/Keys.h"
#include "harmony/NoteCell.h"
#include "harmony/PitchSet.h"
#include "harmony/ScaleCatalog.h"

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
    // The catalogues are read once here; the identifier keeps no reference.
    CChordIdentifier(const CScaleCatalog& scales, const CChordCatalog& chords);

    // Chords first, in scale catalogue order, then chord catalogue order,
    // then the key whose spelling needs the fewest accidentals, then key
    // order; then scales, fewest extra notes first, ties in scale catalogue
    // order, fewest accidentals, key order. An empty set matches nothing.
    std::vector<IdentifyResult> Identify(PitchSet notes) const;

private:
    struct ScaleShape {
        int record = 0;
        PitchSet tones = 0;  // above a tonic of C
    };
    // A chord as pitch sets above a tonic of C, one per scale of scales_:
    // a chord whose tones come from the scale differs from scale to scale.
    struct ChordShape {
        int record = 0;
        std::vector<PitchSet> tonesInScale;
        // A chord that takes nothing from the scale but its tonic sounds the
        // same in every scale: it is offered once per key, in homeScale (the
        // first scale that holds it). A preset chord brings its own scale.
        bool sameInEveryScale = false;
        int onlyScale = -1;  // position in scales_, or -1
        int homeScale = 0;   // position in scales_
    };

    void AddChord(const CScaleCatalog& catalog, const std::vector<NoteRow>& scaleCells, const CChordCatalog& chords,
                  int record);
    void AddChordResults(const ChordShape& chord, PitchSet notes, std::vector<IdentifyResult>& results) const;
    int Weight(const IdentifyResult& result) const;
    void AddScaleResults(PitchSet notes, std::vector<IdentifyResult>& results) const;

    std::vector<ScaleShape> scales_;
    // Per scale record, the accidentals the scale needs in each key.
    using KeyWeights = std::array<int, kKeyCommands.size()>;
    std::unordered_map<int, KeyWeights> weights_;
    std::vector<ChordShape> chords_;
};

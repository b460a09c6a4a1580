#pragma once
// Builds the sheet music staff as text: clef, key signature of the model's
// scale and the model's notes repeated across the staff, written into the
// grid lines of the clef's block. The graph overlay and the live drawing
// place their images by what the build leaves in the layout.
#include <array>
#include <vector>

#include "harmony/NoteCell.h"
#include "instruments/NoteSources.h"

class CModelState;
class CNoteSpeller;
struct ClefMethod;
struct InstrumBase;
struct SheetInstrument;

struct SignatureSign {
    int row;    // block row (the treble staff's, on the grand staff)
    char sign;  // '#' or 'b'
};

// One column of notes: `width` characters from `start`, the label of the
// note `offset` semitones above the tonic (spanIndex: its two-octave cell).
struct NoteColumn {
    int start;
    int width;
    int offset;
    int spanIndex;
};

struct StaffLayout {
    const ClefMethod* clef = nullptr;  // none for a code outside the clef table
    int rows = 23;
    int firstLine = 22;
    bool grand = false;
    int clefImage = 0;  // graph view: the clef's image resource; 0 none
    int clefRow = -1;
    std::array<NoteCell, 8> keySignature{};
    std::vector<SignatureSign> signature;  // one per sharp or flat, in writing order
    std::vector<NoteColumn> notes;
    int columnCount = 0;  // closing bar included
};

// Note columns are added while the staff is narrower than this.
inline constexpr int kStaffNoteLimit = 125;
// Lines of a sheet's grid.
inline constexpr int kSheetLines = 75;

// Rebuilds base.lines (75 valid lines, the block's rows at the clef's first
// line, the others empty). base.viewStyle 'g' builds the staff the graph
// overlay lies on: edges instead of bars, no clef letters or name.
StaffLayout BuildStaff(const SheetInstrument& sheet, const NoteSources& sources, const CModelState& model,
                       const CNoteSpeller& speller, InstrumBase& base);

#pragma once
// A chord description read into its parts: the scale degrees it takes
// ("1-3-5") and the intervals it adds above the tonic (",7 min"). The model
// spells the chord from these parts and Identify reduces them to pitch classes.
#include <string>
#include <string_view>
#include <vector>

#include "harmony/NoteCell.h"

struct AddedInterval {
    int number = 0;    // as written: 3, 9, 13, ...
    int semitones = 0; // above the tonic within the first octave (0..14)
    int spanCell = 0;  // cell of the two-octave span, 0..23
    std::string label; // the number as written, the chord tone's label
};

struct ChordDescription {
    std::vector<int> degrees;
    std::vector<AddedInterval> intervals;
};

// Reads the degree list and the added intervals; the rest of the text (a
// preset's scale, the appended short name) is not part of the chord tones.
ChordDescription ReadChordDescription(std::string_view text);

// Walks upwards through the filled cells of one octave; the span position
// runs on over two octaves so degrees above 8 land in the upper octave.
class DegreeWalker {
public:
    explicit DegreeWalker(const NoteRow& cells);

    bool Placed() const { return c_ >= 0; }
    int Cell() const { return c_; }
    int SpanCell() const { return s_; }

    // A degree not above the last one reached leaves the position where it is.
    void MoveTo(int degree);

private:
    void Advance();

    const NoteRow& cells_;
    int tones_ = 0;
    int c_ = -1;
    int s_ = -1;
    int reached_ = 0;
};

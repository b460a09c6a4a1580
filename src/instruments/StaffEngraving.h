#pragma once
// The rules a staff's notes are engraved by, wherever notes are images (the
// graph view's Positions notation and the live staff): stems by the note's
// place against the middle line, ledger lines out to the note, and
// accidentals against the key signature, held until the bar line.
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "framework/Drawing.h"
#include "harmony/NoteCell.h"

// Rows are counted as in the staff block (0 at the top, every row a
// diatonic step; rows beyond the block continue the count). On the grand
// staff a row down to middle C (row 17) belongs to the treble staff.
struct StaffRows {
    bool grand = false;

    // The middle line of the note's staff: row 11, or 23 on the bass staff.
    int MiddleLine(int row) const;
    // Stems point down for notes on or above the middle line, up below it.
    bool StemDown(int row) const { return row <= MiddleLine(row); }
    // Every ledger line between the note's staff and the note, nearest
    // first; none inside the staff.
    std::vector<int> LedgerRows(int row) const;
};

// What a note's letter is altered by: +1 per '#', -1 per 'b'.
int AlterationOf(std::string_view name);

// The alterations in force on each row of a measure: those of the key
// signature, then whatever a note of the measure wrote on that row.
class AccidentalMemory {
public:
    // signature: the key signature's notes ("F#", "Bb"), their letters'
    // alterations applying on every row of that letter.
    explicit AccidentalMemory(const std::array<NoteCell, 8>& signature);

    // The accidental a note of this letter and alteration needs on row:
    // none (the signature or an earlier note of the measure gives it), or
    // the alteration to write (0 a natural). The row remembers it.
    std::optional<int> Needed(int row, char letter, int alteration);
    // A bar line: back to the key signature.
    void NewMeasure() { written_.clear(); }

private:
    std::array<int, 7> signature_{};
    std::map<int, int> written_;
};

// A note's accidental in the cells left of its head: a natural for 0, one
// sharp or flat, or two for a double one, a cell apart; beforeHead is the
// left edge of the cell before the head's, centreY the note's row centre.
void DrawAccidental(IDrawingSurface& surface, int alteration, int beforeHead, int centreY, int cellWidth);
// Short lines through the given centres, as wide as a note head and a
// little more.
void DrawLedgerLines(IDrawingSurface& surface, const std::vector<int>& centresY, int headCentreX, int cellWidth,
                     Color color);

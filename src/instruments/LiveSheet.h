#pragma once
// The sheet's live drawing while a MIDI file plays into the model: the play
// list's notes drawn on the staff a page at a time, time running left to
// right in columns, with measure lines and a moving highlight of the
// playback position.
#include <cstddef>
#include <cstdint>

#include "midi/MidiEvent.h"
#include "midi/PlayList.h"

class AccidentalMemory;
class CNoteSpeller;
class IDrawingSurface;
struct InstrumBase;
struct StaffLayout;

// What drawing onto the staff needs from the list being played and from
// the sheet's window.
struct LiveStaff {
    const PlayList& list;
    unsigned division = 0;       // ticks per quarter note
    int columnCount = 0;         // of the built staff, closing bar included
    const InstrumBase& base;     // font cell, grid lines, colours
    int channel = -1;            // -1 every channel, 0 none, 1..16 that channel
    const CNoteSpeller& speller;
    int accidentals = 0;         // the page's spelling of the played notes
    int variant = 0;
    int scrollX = 0;             // subtracted from every position drawn
    int scrollY = 0;
    bool highlight = false;      // the sheet shows the playback position
    // The staff built for the page: where its lines are and its key
    // signature; none draws as on the treble staff without a signature.
    const StaffLayout* layout = nullptr;
};

class LiveSheet {
public:
    // Notes are drawn from this column on, after clef and key signature.
    static constexpr int kStartColumn = 15;

    // Opens the first page at `first` and sets the column unit from the
    // list's average time per note.
    void PreparePlayback(const PlayList& list, std::size_t first, unsigned division);

    // With restart: turns the page to `from` (the staff already rebuilt) and
    // finds where it ends; draws nothing. Without: draws the page's notes and
    // measure lines from `from`, each note engraved against the page's key
    // signature and the accidentals of its measure so far.
    void DrawLiveNotes(IDrawingSurface& surface, const LiveStaff& staff, std::size_t from, bool restart);

    // Moves the inverted band to the column of `ticks` since the page's
    // start; only when the staff's highlight is on.
    void HighlightPosition(IDrawingSurface& surface, const LiveStaff& staff, std::uint64_t ticks);

    // For a window that repaints whole: moves the highlight to the column of
    // `ticks` without drawing; true when it moved (the window then repaints).
    bool MoveHighlight(const LiveStaff& staff, std::uint64_t ticks);
    // Inverts the band of the column last shown, in a repaint of the page.
    void PaintHighlight(IDrawingSurface& surface, const LiveStaff& staff) const;

    void DrawBarLine(IDrawingSurface& surface, const LiveStaff& staff, int column) const;

    std::size_t PageStart() const { return pageStart_; }
    std::size_t PageEnd() const { return pageEnd_; }
    int ColumnUnit() const { return columnUnit_; }
    int HighlightedColumn() const { return shownColumn_; }

    // DrawLiveNotes with restart: the page from `from` to the first record
    // beyond the staff's width.
    void TurnPage(const LiveStaff& staff, std::size_t from);

private:
    int HighlightColumn(const LiveStaff& staff, std::uint64_t ticks) const;
    void DrawNote(IDrawingSurface& surface, const LiveStaff& staff, const MidiEvent& event, int column,
                  AccidentalMemory& accidentals) const;
    void InvertBand(IDrawingSurface& surface, const LiveStaff& staff, int column) const;
    int ColumnOf(std::uint64_t ms) const;

    std::size_t pageStart_ = 0;
    std::size_t pageEnd_ = 0;
    std::uint32_t pageTempo_ = kDefaultPageTempo;  // in effect at the page's first event
    int columnUnit_ = kFallbackColumnUnit;          // milliseconds per column
    int shownColumn_ = -1;

    static constexpr std::uint32_t kDefaultPageTempo = 500000;
    static constexpr int kFallbackColumnUnit = 52;
};

// Milliseconds per column for a list: half of 64 and the average time per
// sounding note, brought into 40..79 by halving or doubling.
int LiveColumnUnit(const PlayList& list, std::size_t first, unsigned division);

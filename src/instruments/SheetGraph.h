#pragma once
// The sheet's graph view: the text staff with the clef, the key signature
// and (for the Positions notation, where every note shows "*") the notes laid
// over it as images.
#include "harmony/NoteCell.h"
#include "instruments/InstrumentImages.h"
#include "instruments/NoteSources.h"
#include "instruments/SheetStaff.h"

class CModelState;
class IDrawingSurface;
struct InstrumBase;
struct SheetInstrument;

// The notes' plain letter names, chord tones by name, from which the note
// images take their accidentals and the staff its letters.
struct PlainNames {
    NoteRow labels{};
    NoteSpan span{};
};
PlainNames GatherPlainNames(const CModelState& model);

// The y of the middle of grid line `line`, where staff images are anchored,
// and the x where a grid column starts: images line up with the text grid.
int GridLineCentre(int line, int fontHeight);
int GridColumnLeft(int column, int fontWidth);

// Lays the images over a staff built in graph style (BuildStaff with
// base.viewStyle 'g'); plain supplies the accidentals of the notes.
void PaintSheetGlyphs(IDrawingSurface& surface, const StaffLayout& layout, const NoteSources& sources,
                      const PlainNames& plain, const InstrumBase& base);

// What the graph view paints: the background, the grid lines as text, then
// the images. Returns the drawing's size, that of the text grid.
PixelSize PaintSheetGraph(IDrawingSurface& surface, const StaffLayout& layout, const NoteSources& sources,
                          const PlainNames& plain, const InstrumBase& base);

// The size the grid's text takes: a cell more than the longest line and
// the valid lines.
PixelSize TextGridSize(const InstrumBase& base);

#pragma once
// The sheet's draw step: the staff rebuilt from the model in the view's
// style and, in the graph view, the images laid over it.
#include "instruments/InstrumentImages.h"
#include "instruments/NoteSources.h"
#include "instruments/SheetStaff.h"

class CModelState;
class CNoteSpeller;
class IDrawingSurface;
struct InstrumBase;
struct SheetInstrument;

// Rebuilds base.lines in the base's view style: 't' as the text view shows
// them, 'g' as the graph view lays its images over them.
StaffLayout BuildSheetLines(const SheetInstrument& sheet, CModelState& model, const CNoteSpeller& speller,
                            InstrumBase& base);

// Rebuilds base.lines for the graph view and paints it: background, text
// staff, images. Returns the graph size; layout receives the staff.
PixelSize DrawSheetGraph(IDrawingSurface& surface, const SheetInstrument& sheet, CModelState& model,
                         const CNoteSpeller& speller, InstrumBase& base, StaffLayout* layout = nullptr);

#pragma once
// Draw steps of the text instruments: the model's notes labelled in the
// instrument's notation, then the instrument's text grid rebuilt from them.
#include "instruments/NoteSources.h"

class CModelState;
class CNoteSpeller;
class IDrawingSurface;
struct InstrumBase;
struct StringedInstrument;
struct WindInstrument;

void DrawStringed(const StringedInstrument& instrument, CModelState& model, const NoteMarks& marks,
                  const CNoteSpeller& speller, InstrumBase& base);
void DrawRecorder(const WindInstrument& instrument, CModelState& model, const CNoteSpeller& speller,
                  InstrumBase& base);
// Paints the text grid in the base's font and colours over its background,
// only the lines that reach into the surface's clip box.
void PaintTextLines(IDrawingSurface& surface, const InstrumBase& base);

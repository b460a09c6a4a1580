#pragma once
// Draw steps of the text instruments: the model's notes labelled in the
// instrument's notation, then the instrument's text grid rebuilt from them.
#include "instruments/NoteSources.h"

class CModelState;
class CNoteSpeller;
struct InstrumBase;
struct StringedInstrument;
struct WindInstrument;

void DrawStringed(const StringedInstrument& instrument, CModelState& model, const NoteMarks& marks,
                  const CNoteSpeller& speller, InstrumBase& base);
void DrawRecorder(const WindInstrument& instrument, CModelState& model, const CNoteSpeller& speller,
                  InstrumBase& base);

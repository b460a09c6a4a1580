#pragma once
// The keyboard's text view: its keys as columns (horizontal) or lines
// (vertical) of key templates, each labelled key carrying its label.
#include "instruments/NoteSources.h"

class CModelState;
class CNoteSpeller;
struct InstrumBase;
struct KeyboardInstrument;

// Rebuilds base.lines and base.lineCount; the base's charSet chooses
// line-drawing or ASCII templates. Without sources (a keyboard with no
// model) the keys carry no labels.
void BuildKeyboardLines(const KeyboardInstrument& keyboard, const NoteSources* sources, const CNoteSpeller& speller,
                        InstrumBase& base);

// The draw step of the text view: the model's notes in the instrument's
// notation, then the lines rebuilt from them.
void DrawKeyboardText(const KeyboardInstrument& keyboard, CModelState& model, const NoteMarks& marks,
                      const CNoteSpeller& speller, InstrumBase& base);

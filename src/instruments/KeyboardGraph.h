#pragma once
// The keyboard's graph view: key images side by side (or one below the
// other), starting on the key the text view starts on, and the labels
// placed on them.
#include "instruments/InstrumentImages.h"
#include "instruments/NoteSources.h"

class CNoteSpeller;
class IDrawingSurface;
struct InstrumBase;
struct KeyboardInstrument;

// The drawing's size without painting it, for the scroll bars.
PixelSize KeyboardGraphSize(const KeyboardInstrument& keyboard, int tonic, const CNoteSpeller& speller);

// Paints onto surface and returns the drawing's size (the graph size).
// Without sources (a keyboard with no model) the keys carry no labels.
PixelSize PaintKeyboardGraph(IDrawingSurface& surface, const KeyboardInstrument& keyboard, const CNoteSpeller& speller,
                             const NoteSources* sources, const InstrumBase& base);

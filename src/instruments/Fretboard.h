#pragma once
// Draws a stringed instrument's board as text: every position of every
// string from the open string to the last fret, named when its note is in
// the model (or sounding, during playback).
class CNoteSpeller;
struct InstrumBase;
struct NoteSources;
struct StringedInstrument;

// Rebuilds base.lines and base.lineCount; the base's charSet chooses
// line-drawing or ASCII glyphs.
void BuildFretboard(const StringedInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller,
                    InstrumBase& base);

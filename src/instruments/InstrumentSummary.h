#pragma once
// One line saying what an instrument window shows, for assistive
// technology: "Guitar, G major, chord G maj: string 6 frets 3, 7, ...".
// Each kind's part names what its drawing marks, from the same note
// sources the drawing uses.
#include <string>

#include "instruments/NoteSources.h"

class CModelState;
class CNoteSpeller;
struct KeyboardInstrument;
struct StaffLayout;
struct StringedInstrument;
struct WindInstrument;

// "NAME, HEADING: MARKS".
std::string InstrumentSummary(const std::string& name, const CModelState& model, const std::string& marks);

// Per string, highest numbered (the lowest in the catalogue's order) first,
// the frets that carry a note.
std::string StringedMarks(const StringedInstrument& instrument, const NoteSources& sources,
                          const CNoteSpeller& speller);
// The marked keys, lowest first, each as its note name and octave (middle
// C is C5, as in the catalogue); names in the family of accidentals given.
std::string KeyboardMarks(const KeyboardInstrument& keyboard, const NoteSources& sources, const CNoteSpeller& speller,
                          int accidentals);
// The key signature and the notes written on the staff, each once.
std::string SheetMarks(const StaffLayout& layout, const NoteSources& sources);
// Each chart: its label and which holes are closed or half closed.
std::string RecorderMarks(const WindInstrument& instrument, const NoteSources& sources, const CNoteSpeller& speller);

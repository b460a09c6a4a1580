#pragma once
// " Stringed Instrument Details": fret count, frets shown, string type,
// handedness, orientation, perspective, channel and the font scale.
#include <string>

class CStringedDoc;
struct StringedInstrument;

void RunStringedDetails(CStringedDoc& doc);
// Two blanks, the name, a hyphen and the octave for every string in turn.
std::string StringTuningsText(const StringedInstrument& stringed);

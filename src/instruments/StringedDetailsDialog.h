#pragma once
// " Stringed Instrument Details": fret count, the strings' tunings, a capo,
// frets shown, string type, handedness, orientation, perspective, channel
// and the font scale.
class CStringedDoc;

void RunStringedDetails(CStringedDoc& doc);

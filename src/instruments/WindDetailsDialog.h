#pragma once
// " Wind Instrument Details": what the recorder is, and the font scale,
// which is all that OK takes back.
class CWindDoc;

void RunWindDetails(CWindDoc& doc);

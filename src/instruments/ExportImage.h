#pragma once
// File > Export Image...: an instrument window's drawing handed out as an
// SVG or PNG file at a chosen scale, through the picture port.
#include "framework/Picture.h"

class CInstrumDoc;

// The window's drawing: its text lines in the window's font, or its graph
// view as drawn.
PictureJob InstrumentPicture(CInstrumDoc& doc, int scalePercent);
// Asks for the format and scale, then for the file, and writes it; a
// failure is told in a message box.
void ExportInstrumentImage(CInstrumDoc& doc);

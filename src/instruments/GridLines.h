#pragma once
// Painting a text grid: the lines of an instrument's grid in its font and
// colours, from 4 pixels in, one font height apart; and printing one.
#include <string>
#include <vector>

#include "framework/Printing.h"

class IDrawingSurface;
struct InstrumBase;

// Fills the surface's clip box with the back colour and writes the valid
// lines that reach into it.
void PaintGridLines(IDrawingSurface& surface, const InstrumBase& base);

// What printing a text view hands over: its lines (UTF-8, box drawing
// kept) as a grid, in the font at its whole cell (cellWidth x cellHeight).
PrintJob GridPrintJob(const std::string& title, const std::vector<std::string>& lines, LogFont font, int cellWidth,
                      int cellHeight);

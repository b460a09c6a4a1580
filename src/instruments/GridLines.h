#pragma once
// Painting a text grid: the lines of an instrument's grid in its font and
// colours, from 4 pixels in, one font height apart.
class IDrawingSurface;
struct InstrumBase;

// Fills the surface's clip box with the back colour and writes the valid
// lines that reach into it.
void PaintGridLines(IDrawingSurface& surface, const InstrumBase& base);

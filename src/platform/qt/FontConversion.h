#pragma once
// Logical font descriptions as Qt fonts and back. The two line-drawing
// faces resolve to a monospaced font whose box-drawing glyphs join.
#include <QFont>

#include "framework/Font.h"

inline constexpr char kLineDrawLight[] = "Morvix LineDraw Light";
inline constexpr char kLineDrawHeavy[] = "Morvix LineDraw Heavy";
inline constexpr char kLineDrawFamily[] = "DejaVu Sans Mono";

bool IsLineDrawFace(const std::string& face);
// Maps the line-drawing faces onto the real family for every QFont made later.
void InstallLineDrawFaces();

QFont ToQFont(const LogFont& font);
LogFont ToLogFont(const QFont& font);

// The font a font chooser starts from: sized in points, as the chooser
// lists sizes, and naming the family's own style of that weight and slant,
// since a chooser that finds no style of the given name picks any.
QFont ToDialogFont(const LogFont& font);
// What the chooser's answer means for the font it started from: whatever
// the user left as it was stays exactly as it was.
LogFont FromDialogFont(const QFont& chosen, const LogFont& initial);

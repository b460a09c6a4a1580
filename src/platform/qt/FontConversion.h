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

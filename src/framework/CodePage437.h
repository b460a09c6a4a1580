#pragma once
// Code page 437, the byte encoding of the instruments' text grids and
// their line-drawing glyphs, mapped to Unicode at the edges.
#include <string>
#include <string_view>

// The glyph a code page 437 byte shows, control bytes included (NUL is a blank).
char16_t Cp437ToUnicode(unsigned char byte);
// Appends the UTF-8 encoding of a character of the Basic Multilingual Plane.
void AppendUtf8(std::string& out, char16_t code);

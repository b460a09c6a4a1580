#pragma once
// Code page 437, the byte encoding of the instruments' text grids, mapped
// to Unicode at the painting edge.
#include <QString>

#include <string_view>

// The glyph a code page 437 byte shows, control bytes included (NUL is a blank).
char16_t Cp437ToUnicode(unsigned char byte);
QString Cp437ToQString(std::string_view bytes);

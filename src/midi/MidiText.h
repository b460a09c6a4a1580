#pragma once
// The few printf-style conversions the MIDI descriptions need, appended to a
// string without a format parser: listings of large files build hundreds of
// thousands of lines.
#include <cstdint>
#include <string>
#include <string_view>

// Writes `value` in decimal right-aligned in `width` characters ending at
// `end`, padded with `fill`; returns where it starts. `end` must have room
// for the larger of `width` and 20 characters before it.
char* FormatUnsigned(char* end, std::uint64_t value, int width = 0, char fill = ' ');

// Decimal value right-aligned in `width` characters, padded with `fill`.
void AppendUnsigned(std::string& out, std::uint64_t value, int width = 0, char fill = ' ');
void AppendSigned(std::string& out, std::int64_t value);
// Two upper-case hex digits per byte.
void AppendHexByte(std::string& out, std::uint8_t value);
// `text` right-aligned in `width` characters.
void AppendPadded(std::string& out, std::string_view text, int width);

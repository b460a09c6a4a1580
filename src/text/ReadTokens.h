#pragma once
// Blank-delimited readers shared by the catalogue files, chord descriptions
// and layout state strings. Each reads from `text` at `cursor` and leaves the
// cursor after the item and the blanks that follow it.
#include <cstddef>
#include <string>
#include <string_view>

// Space, tab and line feed; carriage return is deliberately not a blank.
bool IsBlank(char c);

// Index of the first non-blank character at or after cursor (or text.size()).
std::size_t SkipBlanks(std::string_view text, std::size_t cursor);

// The run of non-blank characters at the cursor (after leading blanks).
std::string ReadToken(std::string_view text, std::size_t& cursor);

// Skips blanks and any non-digits, reads the digits that follow and negates
// the value when a '-' came directly before them. No digits gives 0. Values
// beyond the range of int saturate rather than overflow.
int ReadInt(std::string_view text, std::size_t& cursor);

// The first character of a one-character option code, or fallback when the
// text is empty.
char FirstCharOr(std::string_view text, char fallback);

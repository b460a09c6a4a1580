#pragma once
// Settings sections may be named by file paths. Stores that give '/', '\\',
// '[' or ']' a meaning of their own (QSettings groups, INI headers) keep
// such characters, '%' and control characters as %XX so a path survives the
// round trip as one flat section.
#include <string>
#include <string_view>

std::string EscapeSectionName(const std::string& name);
// Keeps control characters and the given specials as %XX.
std::string PercentEscape(const std::string& text, std::string_view specials);
// Reverses EscapeSectionName; a '%' not followed by two hex digits stays as it is.
std::string UnescapeSectionName(const std::string& text);

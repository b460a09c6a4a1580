#pragma once
// Text as it reaches a terminal: the core's texts are bytes (CR LF line
// ends, code page 437 line drawing); the terminal wants UTF-8 lines.
#include <string>

// CR LF and LF as the two characters "\n", a lone CR as "\r": one line.
std::string OneLine(const std::string& text);
// CR LF as LF.
std::string UnixLineEnds(const std::string& text);
// Valid UTF-8 stays as it is; anything else is read as code page 437.
std::string TerminalUtf8(const std::string& bytes);

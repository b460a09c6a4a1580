#pragma once
// Splitting a script line into words: blanks separate words, double quotes
// group blanks into a word (anywhere in it: file="a b" is one word), and a
// '#' at the start of a word begins a comment ("C#" stays a word).
#include <string>
#include <vector>

using ScriptWords = std::vector<std::string>;

// Throws ScriptError for an unbalanced quote.
ScriptWords SplitScriptLine(const std::string& line);

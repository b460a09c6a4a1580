#pragma once
// Find and Replace for text views: the dialogs and the searching.
#include <string>

class CApplication;
class ITextControl;

// The offset of the next occurrence at or after from, wrapping to the start
// once; npos when there is none.
std::size_t FindNext(const std::string& text, const std::string& what, std::size_t from);
// Replaces every occurrence; returns how many were replaced.
int ReplaceAll(std::string& text, const std::string& what, const std::string& with);

// Edit > Find...: asks what to find and selects its next occurrence.
void RunFind(CApplication& app, ITextControl& control, std::string& lastSearch);
// Edit > Replace...: asks what to replace with what, and replaces every occurrence.
void RunReplace(CApplication& app, ITextControl& control, std::string& lastSearch);

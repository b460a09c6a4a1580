#pragma once
// Whole-file reading and writing for text documents.
#include <string>

bool ReadWholeFile(const std::string& path, std::string& content);
// Writes through a temporary file renamed into place, so a failed write
// never leaves half a file behind and keeps the previous file whole. On
// failure `reason`, when given, says why in the system's words.
bool WriteWholeFile(const std::string& path, const std::string& content, std::string* reason = nullptr);
std::string UpperCase(std::string text);
// The path from the root, without "." and ".." steps; the path as given
// when the current folder cannot be read.
std::string AbsolutePath(const std::string& path);

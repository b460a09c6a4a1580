#pragma once
// Whole-file reading and writing for text documents.
#include <string>

bool ReadWholeFile(const std::string& path, std::string& content);
// Writes through a temporary file renamed into place, so a failed write
// never leaves half a file behind.
bool WriteWholeFile(const std::string& path, const std::string& content);
std::string UpperCase(std::string text);

#pragma once
// A section and key as one QSettings key. QSettings reads '/' and '\' as
// group separators, so the section (often a file path) is escaped first.
#include <QString>

#include <string>

QString SettingsKey(const std::string& section, const std::string& key);

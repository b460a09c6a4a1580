#pragma once
// File dialog filters: "description|pattern;pattern|..." pairs as Qt's
// "description (pattern pattern)" entries. Qt reads the patterns from the
// last parentheses, so a description's own "(*.a; *.b)" is replaced.
#include <QStringList>

#include <string>

QStringList ToQtFilters(const std::string& filters);

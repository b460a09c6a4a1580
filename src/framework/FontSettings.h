#pragma once
// A logical font kept in a settings section under the keys every window
// with a font of its own uses ("Height", "Width", ..., "FontName").
#include <string>

#include "framework/Font.h"

class ISettings;

// Missing keys take the height and width of sizeFallback, weight, italic,
// quality and family 0, character set 1 and the face faceFallback.
LogFont ReadLogFont(ISettings& settings, const std::string& section, const LogFont& sizeFallback,
                    const std::string& faceFallback);
void WriteLogFont(ISettings& settings, const std::string& section, const LogFont& font);

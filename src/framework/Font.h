#pragma once
// A logical font description, as documents store it in their profiles.
#include <string>

struct LogFont {
    int height = 0;
    int width = 0;
    int weight = 0;
    int italic = 0;
    int charSet = 1;
    int quality = 0;
    int pitchAndFamily = 0;
    std::string faceName;  // at most 31 characters

    bool operator==(const LogFont&) const = default;
};

struct FontMetrics {
    int height = 16;        // line height in pixels
    int maxCharWidth = 8;
    int descent = 3;
    int charSet = 0;        // 2 symbol, 255 OEM (box drawing available), 0 other
};

// Fonts port: the metrics of a font as the display would render it.
class IFonts {
public:
    virtual ~IFonts() = default;
    virtual FontMetrics Measure(const LogFont& font) = 0;
    virtual LogFont SystemFont() = 0;       // the platform's system font
    virtual LogFont FixedOemFont() = 0;     // a fixed-pitch font with box-drawing glyphs
};

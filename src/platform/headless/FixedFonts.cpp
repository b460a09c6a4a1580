#include "platform/headless/FixedFonts.h"

#include <cstdlib>

namespace {

constexpr const char* kBoxDrawingFaces[] = {
    "Terminal", "Fixedsys", "Courier New", "Lucida Console", "Consolas", "DejaVu Sans Mono",
    "Liberation Mono", "Noto Sans Mono", "Ubuntu Mono", "Monospace",
};

}  // namespace

int FixedFonts::CharacterSet(const std::string& faceName)
{
    if (faceName == "Morvix LineDraw Light" || faceName == "Morvix LineDraw Heavy")
        return 2;
    for (const char* face : kBoxDrawingFaces)
        if (faceName == face)
            return 255;
    return 0;
}

FontMetrics FixedFonts::Measure(const LogFont& font)
{
    FontMetrics metrics;
    // A negative height is a character height, as in a logical font.
    if (font.height != 0)
        metrics.height = std::abs(font.height);
    metrics.maxCharWidth = font.width != 0 ? std::abs(font.width) : (metrics.height + 1) / 2;
    metrics.descent = metrics.height / 5;
    metrics.charSet = CharacterSet(font.faceName);
    return metrics;
}

LogFont FixedFonts::SystemFont()
{
    LogFont font;
    font.height = 16;
    font.width = 7;
    font.weight = 700;
    font.charSet = 0;
    font.faceName = "System";
    return font;
}

LogFont FixedFonts::FixedOemFont()
{
    LogFont font;
    font.height = 12;
    font.width = 8;
    font.weight = 400;
    font.charSet = 255;
    font.pitchAndFamily = 49;  // fixed pitch, modern family
    font.faceName = "Terminal";
    return font;
}

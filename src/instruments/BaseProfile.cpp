#include <cstdio>
#include <cstdlib>

#include "framework/FontSettings.h"
#include "framework/Settings.h"
#include "instruments/InstrumBase.h"
#include "text/ReadTokens.h"

namespace {

std::string FormatRatio(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", ratio);
    return text;
}

} // namespace

void InstrumBase::LoadBaseSettings(ISettings& settings, const std::string& section, int kind,
                                   const LogFont& oemFont)
{
    notation = FirstCharOr(settings.GetString(section, "Notation", "e"), 'e');
    chordset = FirstCharOr(settings.GetString(section, "Chordset", "c"), 'c');
    // Profiles from before the choice label chord tones by name.
    chordTones = settings.GetString(section, "ChordTones", "n") == "i" ? 'i' : 'n';
    viewStyle = FirstCharOr(settings.GetString(section, "ViewStyle", "t"), 't');
    foreColor = static_cast<Color>(settings.GetInt(section, "ForeColor", 0));
    backColor = static_cast<Color>(settings.GetInt(section, "BackColor", 16777215));
    highlightForeColor = static_cast<Color>(settings.GetInt(section, "HighlightForeColor", 8388608));
    highlightBackColor = static_cast<Color>(settings.GetInt(section, "HighlightBackColor", 8454143));

    fontHeightRatio = std::strtod(settings.GetString(section, "FontHeightRatio", "1.0").c_str(), nullptr);
    if (kind == 4 && fontHeightRatio == 1.0)
        fontHeightRatio = 0.5;
    fontWidthRatio = std::strtod(settings.GetString(section, "FontWidthRatio", "1.0").c_str(), nullptr);
    charSet = settings.GetInt(section, "CharSet", 255);
    fontHeightNormal = settings.GetInt(section, "FontHeightNormal", 12);
    fontWidthNormal = settings.GetInt(section, "FontWidthNormal", 8);
    descent = settings.GetInt(section, "Descent", 0);
    logFont = ReadLogFont(settings, section, oemFont, kLineDrawLightFace);
    ApplyFontRatios();

    Rect& r = placement.normal;
    r = {settings.GetInt(section, "Left", 50), settings.GetInt(section, "Top", 30),
         settings.GetInt(section, "Right", 300), settings.GetInt(section, "Bottom", 120)};
    placement.showCmd = static_cast<unsigned>(settings.GetInt(section, "ShowCmd", 1));
    scrollWidth = settings.GetInt(section, "SizeX", 250);
    scrollHeight = settings.GetInt(section, "SizeY", 90);
    scrollX = settings.GetInt(section, "PosX", 0);
    scrollY = settings.GetInt(section, "PosY", 0);
}

// The highlight colours are read but never written; CharSet is written once,
// from the font description, and read back into both fields.
void InstrumBase::SaveBaseSettings(ISettings& settings, const std::string& section) const
{
    settings.WriteString(section, "Notation", std::string(1, notation));
    settings.WriteString(section, "Chordset", std::string(1, chordset));
    settings.WriteString(section, "ChordTones", std::string(1, chordTones));
    settings.WriteString(section, "ViewStyle", std::string(1, viewStyle));
    settings.WriteInt(section, "ForeColor", static_cast<int>(foreColor));
    settings.WriteInt(section, "BackColor", static_cast<int>(backColor));

    const Rect& r = placement.normal;
    settings.WriteInt(section, "Left", r.left);
    settings.WriteInt(section, "Top", r.top);
    settings.WriteInt(section, "Right", r.right);
    settings.WriteInt(section, "Bottom", r.bottom);
    settings.WriteInt(section, "ShowCmd", static_cast<int>(placement.showCmd));
    settings.WriteInt(section, "SizeX", scrollWidth);
    settings.WriteInt(section, "SizeY", scrollHeight);
    settings.WriteInt(section, "PosX", scrollX);
    settings.WriteInt(section, "PosY", scrollY);

    settings.WriteString(section, "FontHeightRatio", FormatRatio(fontHeightRatio));
    settings.WriteString(section, "FontWidthRatio", FormatRatio(fontWidthRatio));
    settings.WriteInt(section, "FontHeightNormal", fontHeightNormal);
    settings.WriteInt(section, "FontWidthNormal", fontWidthNormal);
    settings.WriteInt(section, "Descent", descent);
    WriteLogFont(settings, section, logFont);
}

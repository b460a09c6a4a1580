#include <climits>
#include <cstdio>
#include <cstdlib>

#include "framework/FontSettings.h"
#include "framework/Settings.h"
#include "harmony/Notation.h"
#include "instruments/InstrumBase.h"
#include "text/ReadTokens.h"

namespace {

std::string FormatRatio(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", ratio);
    return text;
}

double ReadRatio(ISettings& settings, const std::string& section, const std::string& key, double fallback)
{
    double ratio = std::strtod(settings.GetString(section, key, "").c_str(), nullptr);
    return IsFontRatio(ratio) ? ratio : fallback;
}

int ReadWithin(ISettings& settings, const std::string& section, const std::string& key, int fallback, int lowest,
               int highest)
{
    int value = settings.GetInt(section, key, fallback);
    return value >= lowest && value <= highest ? value : fallback;
}

char ReadCode(ISettings& settings, const std::string& section, const std::string& key, char fallback,
              bool (*known)(char))
{
    char code = FirstCharOr(settings.GetString(section, key, ""), fallback);
    return known(code) ? code : fallback;
}

bool IsViewStyle(char code)
{
    return code == 't' || code == 'g';
}

} // namespace

void InstrumBase::LoadBaseSettings(ISettings& settings, const std::string& section, int kind,
                                   const LogFont& oemFont)
{
    notation = ReadCode(settings, section, "Notation", 'e', IsNotationCode);
    chordset = ReadCode(settings, section, "Chordset", 'c', IsChordSetCode);
    // Profiles from before the choice label chord tones by name.
    chordTones = settings.GetString(section, "ChordTones", "n") == "i" ? 'i' : 'n';
    viewStyle = ReadCode(settings, section, "ViewStyle", 't', IsViewStyle);
    foreColor = static_cast<Color>(settings.GetInt(section, "ForeColor", 0));
    backColor = static_cast<Color>(settings.GetInt(section, "BackColor", 16777215));
    highlightForeColor = static_cast<Color>(settings.GetInt(section, "HighlightForeColor", 8388608));
    highlightBackColor = static_cast<Color>(settings.GetInt(section, "HighlightBackColor", 8454143));

    fontHeightRatio = ReadRatio(settings, section, "FontHeightRatio", 1.0);
    if (kind == 4 && fontHeightRatio == 1.0)
        fontHeightRatio = 0.5;
    fontWidthRatio = ReadRatio(settings, section, "FontWidthRatio", 1.0);
    charSet = settings.GetInt(section, "CharSet", 255);
    fontHeightNormal = ReadWithin(settings, section, "FontHeightNormal", 12, 1, kLargestCell);
    fontWidthNormal = ReadWithin(settings, section, "FontWidthNormal", 8, 1, kLargestCell);
    descent = ReadWithin(settings, section, "Descent", 0, 0, kLargestCell);
    logFont = ReadLogFont(settings, section, oemFont, kLineDrawLightFace);
    ApplyFontRatios();

    const Rect defaultRect{50, 30, 300, 120};
    placement.normal = {settings.GetInt(section, "Left", defaultRect.left), settings.GetInt(section, "Top", defaultRect.top),
                        settings.GetInt(section, "Right", defaultRect.right),
                        settings.GetInt(section, "Bottom", defaultRect.bottom)};
    placement.showCmd = static_cast<unsigned>(settings.GetInt(section, "ShowCmd", SW_SHOWNORMAL));
    if (!IsShowablePlacement(placement)) {
        placement.normal = defaultRect;
        placement.showCmd = SW_SHOWNORMAL;
    }
    scrollWidth = ReadWithin(settings, section, "SizeX", 250, 0, INT_MAX);
    scrollHeight = ReadWithin(settings, section, "SizeY", 90, 0, INT_MAX);
    scrollX = ReadWithin(settings, section, "PosX", 0, 0, INT_MAX);
    scrollY = ReadWithin(settings, section, "PosY", 0, 0, INT_MAX);
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

#include "framework/FontSettings.h"

#include "framework/Settings.h"

namespace {

// Face names are at most 31 characters, as the font description holds them.
constexpr std::size_t kFaceNameLength = 31;

} // namespace

LogFont ReadLogFont(ISettings& settings, const std::string& section, const LogFont& sizeFallback,
                    const std::string& faceFallback)
{
    LogFont font;
    font.height = settings.GetInt(section, "Height", sizeFallback.height);
    font.width = settings.GetInt(section, "Width", sizeFallback.width);
    font.weight = settings.GetInt(section, "Weight", 0);
    font.italic = settings.GetInt(section, "Italic", 0);
    font.charSet = settings.GetInt(section, "CharSet", 1);
    font.quality = settings.GetInt(section, "Quality", 0);
    font.pitchAndFamily = settings.GetInt(section, "Family", 0);
    font.faceName = settings.GetString(section, "FontName", faceFallback).substr(0, kFaceNameLength);
    return font;
}

void WriteLogFont(ISettings& settings, const std::string& section, const LogFont& font)
{
    settings.WriteInt(section, "Height", font.height);
    settings.WriteInt(section, "Width", font.width);
    settings.WriteInt(section, "Weight", font.weight);
    settings.WriteInt(section, "Italic", font.italic);
    settings.WriteInt(section, "CharSet", font.charSet);
    settings.WriteInt(section, "Quality", font.quality);
    settings.WriteInt(section, "Family", font.pitchAndFamily);
    settings.WriteString(section, "FontName", font.faceName);
}

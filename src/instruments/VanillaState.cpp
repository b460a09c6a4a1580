#include <cstdio>
#include <cstdlib>

#include "harmony/Notation.h"
#include "instruments/InstrumBase.h"
#include "text/ReadTokens.h"

namespace {

double ReadDecimal(std::string_view text, std::size_t& cursor)
{
    std::string token = ReadToken(text, cursor);
    return std::strtod(token.c_str(), nullptr);
}

// The face name is every token up to "$", joined by single blanks; a text
// that lacks the "$" ends the name at its end.
std::string ReadFaceName(std::string_view text, std::size_t& cursor)
{
    std::string face;
    for (std::string token = ReadToken(text, cursor); !token.empty() && token != "$";
         token = ReadToken(text, cursor))
        face += (face.empty() ? "" : " ") + token;
    return face.substr(0, 31);
}

} // namespace

std::string InstrumBase::FormatVanillaState() const
{
    const Rect& r = placement.normal;
    char numbers[512];
    std::snprintf(numbers, sizeof numbers,
                  "_Vanilla %c %c %c %u %u %d %d %d %d %d %d %d %d %d %g %g %d %d %d %d %d %d %d %d %d %d ",
                  notation, chordset, viewStyle, foreColor, backColor, r.left, r.top, r.right, r.bottom,
                  static_cast<int>(placement.showCmd), scrollWidth, scrollHeight, scrollX, scrollY,
                  fontHeightRatio, fontWidthRatio, fontHeightNormal, fontWidthNormal, descent, logFont.height,
                  logFont.width, logFont.weight, logFont.italic, logFont.charSet, logFont.quality,
                  logFont.pitchAndFamily);
    return numbers + logFont.faceName + " $ " + FormatChordTones(chordTones) + " ";
}

bool InstrumBase::ParseVanillaState(std::string_view text, const LogFont& oemFont)
{
    std::size_t cursor = text.find("_Vanilla");
    if (cursor == std::string_view::npos || ReadToken(text, cursor).size() != 8)
        return false;
    InstrumBase read = *this;
    read.logFont = oemFont;
    read.notation = FirstCharOr(ReadToken(text, cursor), '\0');
    read.chordset = FirstCharOr(ReadToken(text, cursor), '\0');
    read.viewStyle = FirstCharOr(ReadToken(text, cursor), '\0');
    read.foreColor = static_cast<Color>(ReadInt(text, cursor));
    read.backColor = static_cast<Color>(ReadInt(text, cursor));
    Rect& r = read.placement.normal;
    for (int* value : {&r.left, &r.top, &r.right, &r.bottom})
        *value = ReadInt(text, cursor);
    read.placement.showCmd = static_cast<unsigned>(ReadInt(text, cursor));
    for (int* value : {&read.scrollWidth, &read.scrollHeight, &read.scrollX, &read.scrollY})
        *value = ReadInt(text, cursor);
    read.fontHeightRatio = ReadDecimal(text, cursor);
    read.fontWidthRatio = ReadDecimal(text, cursor);
    LogFont& font = read.logFont;
    for (int* value : {&read.fontHeightNormal, &read.fontWidthNormal, &read.descent, &font.height, &font.width,
                       &font.weight, &font.italic, &font.charSet, &font.quality, &font.pitchAndFamily})
        *value = ReadInt(text, cursor);
    read.charSet = font.charSet;
    font.faceName = ReadFaceName(text, cursor);
    read.chordTones = ParseChordTones(text.substr(cursor));
    if (!read.InRange())
        return false;
    read.ApplyFontRatios();
    *this = std::move(read);
    return true;
}

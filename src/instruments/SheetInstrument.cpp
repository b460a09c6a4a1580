#include "instruments/SheetInstrument.h"

#include "framework/Settings.h"
#include "instruments/InstrumBase.h"
#include "text/ReadTokens.h"

void SheetInstrument::SetDefaults(std::string_view entryText)
{
    std::size_t cursor = 0;
    clefCode = FirstCharOr(ReadToken(entryText, cursor), 'G');
    highlight = 'n';
}

bool SheetInstrument::LoadSettings(ISettings& settings, const std::string& section)
{
    std::string clef = settings.GetString(section, "SheetClef", "absent");
    if (clef == "absent")
        return false;
    clefCode = FirstCharOr(clef, clefCode);
    highlight = FirstCharOr(settings.GetString(section, "Highlight", "n"), 'n');
    return true;
}

void SheetInstrument::SaveSettings(ISettings& settings, const std::string& section) const
{
    settings.WriteString(section, "SheetClef", std::string(1, clefCode));
    settings.WriteString(section, "Highlight", std::string(1, highlight));
}

std::string SheetInstrument::FormatState() const
{
    return std::string("_Sheet ") + clefCode;
}

bool SheetInstrument::ParseState(std::string_view text)
{
    std::size_t cursor = text.find("_Sheet");
    if (cursor == std::string_view::npos || ReadToken(text, cursor).size() != 6)
        return false;
    clefCode = FirstCharOr(ReadToken(text, cursor), clefCode);
    return true;
}

void ApplySheetBaseDefaults(InstrumBase& base)
{
    base.fontHeightRatio = 0.5;
    base.fontWidthRatio = 1.0;
    base.viewStyle = 'g';
}

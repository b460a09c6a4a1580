#include "instruments/InstrumentKind.h"

InstrumentKind KindOfGroupWord(std::string_view caption)
{
    if (caption == "stringed")
        return kStringedInstrument;
    if (caption == "keyboard")
        return kKeyboardInstrument;
    if (caption == "sheet")
        return kSheetInstrument;
    if (caption == "recorder")
        return kWindInstrument;
    return kNoInstrument;
}

// Any text given to an instrument's state-string parsers is read without
// crashing, and what a parser accepts formats to a string it accepts again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "harmony/NoteSpeller.h"
#include "instruments/InstrumBase.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/SheetInstrument.h"
#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

template <class Instrument, class... Speller>
void RoundTrip(std::string_view text, const Speller&... speller)
{
    Instrument instrument;
    if (!instrument.ParseState(text, speller...))
        return;
    std::string again = instrument.FormatState();
    Instrument reread;
    Require(reread.ParseState(again, speller...));
    Require(reread.FormatState() == again);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const CNoteSpeller speller;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    RoundTrip<StringedInstrument>(text, speller);
    RoundTrip<WindInstrument>(text, speller);
    RoundTrip<KeyboardInstrument>(text, speller);
    RoundTrip<SheetInstrument>(text);
    InstrumBase base;
    LogFont oem;
    oem.faceName = "Terminal";
    if (base.ParseVanillaState(text, oem)) {
        InstrumBase reread;
        Require(reread.ParseVanillaState(base.FormatVanillaState(), oem));
    }
    return 0;
}

#pragma once
// The fields "morvix-cli draw --set FIELD=VALUE" may change, by the names the
// instruments give them.
#include <string>

class CNoteSpeller;
struct InstrumBase;
struct KeyboardInstrument;
struct SheetInstrument;
struct StringedInstrument;
struct WindInstrument;

// Each sets one field from its text; false, with the reason in problem, for
// an unknown field or a value outside what the field takes. A stringed
// instrument's tuning names notes the speller knows.
bool SetStringedField(StringedInstrument& instrument, InstrumBase& base, const std::string& field,
                      const std::string& value, std::string& problem, const CNoteSpeller& speller);
bool SetWindField(WindInstrument& instrument, InstrumBase& base, const std::string& field, const std::string& value,
                  std::string& problem);
bool SetKeyboardField(KeyboardInstrument& instrument, InstrumBase& base, const std::string& field,
                      const std::string& value, std::string& problem);
bool SetSheetField(SheetInstrument& instrument, InstrumBase& base, const std::string& field, const std::string& value,
                   std::string& problem);

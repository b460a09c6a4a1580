#include "cli/InstrumentFields.h"

#include <charconv>
#include <string_view>
#include <vector>

#include "instruments/InstrumBase.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/SheetInstrument.h"
#include "instruments/StringTuning.h"
#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"

namespace {

struct CharField {
    const char* name;
    std::string_view allowed;  // empty: any one character
    char* target;
};

struct IntField {
    const char* name;
    int low, high;
    int* target;
};

struct FieldTable {
    std::vector<CharField> chars;
    std::vector<IntField> ints;
};

bool SetChar(const CharField& field, const std::string& value, std::string& problem)
{
    if (value.size() != 1 || (!field.allowed.empty() && field.allowed.find(value[0]) == std::string_view::npos)) {
        problem = std::string(field.name) + " takes one of: " +
                  (field.allowed.empty() ? std::string("any one character") : std::string(field.allowed));
        return false;
    }
    *field.target = value[0];
    return true;
}

bool SetInt(const IntField& field, const std::string& value, std::string& problem)
{
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < field.low || number > field.high) {
        problem = std::string(field.name) + " takes a whole number from " + std::to_string(field.low) + " to " +
                  std::to_string(field.high);
        return false;
    }
    *field.target = number;
    return true;
}

bool SetField(const FieldTable& table, const std::string& name, const std::string& value, std::string& problem)
{
    for (const CharField& field : table.chars)
        if (name == field.name)
            return SetChar(field, value, problem);
    for (const IntField& field : table.ints)
        if (name == field.name)
            return SetInt(field, value, problem);
    problem = "no field named " + name + "; this instrument has";
    for (const CharField& field : table.chars)
        problem += std::string(" ") + field.name;
    for (const IntField& field : table.ints)
        problem += std::string(" ") + field.name;
    return false;
}

std::vector<CharField> BaseChars(InstrumBase& base)
{
    return {{"notation", "ecpnrhv", &base.notation},
            {"chordset", "cfs", &base.chordset},
            {"chordTones", "ni", &base.chordTones}};
}

} // namespace

bool SetStringedField(StringedInstrument& instrument, InstrumBase& base, const std::string& field,
                      const std::string& value, std::string& problem, const CNoteSpeller& speller)
{
    if (field == "tuning")
        return ReadTuning(value, speller, instrument, problem);
    FieldTable table{BaseChars(base),
                     {{"fretCount", 0, StringedInstrument::kMaxFrets, &instrument.fretCount},
                      {"capo", 0, StringedInstrument::kMaxFrets, &instrument.capo},
                      {"voice", 0, 127, &instrument.voice},
                      {"written", -127, 127, &instrument.written}}};
    table.chars.insert(table.chars.end(), {{"orientation", "ad", &instrument.orientation},
                                           {"handedness", "rl", &instrument.handedness},
                                           {"perspective", "nr", &instrument.perspective},
                                           {"fretStatus", "yn", &instrument.fretStatus},
                                           {"stringType", "sd", &instrument.stringType},
                                           {"clef", "", &instrument.clef}});
    if (SetField(table, field, value, problem))
        return true;
    if (problem.starts_with("no field named"))
        problem += " tuning";
    return false;
}

bool SetWindField(WindInstrument& instrument, InstrumBase& base, const std::string& field, const std::string& value,
                  std::string& problem)
{
    FieldTable table{BaseChars(base),
                     {{"octave", -1, 10, &instrument.octave},
                      {"voice", 0, 127, &instrument.voice},
                      {"written", -127, 127, &instrument.written}}};
    table.chars.push_back({"clef", "", &instrument.clef});
    return SetField(table, field, value, problem);
}

bool SetKeyboardField(KeyboardInstrument& instrument, InstrumBase& base, const std::string& field,
                      const std::string& value, std::string& problem)
{
    FieldTable table{BaseChars(base),
                     {{"keyCount", 0, KeyboardInstrument::kMaxKeys, &instrument.keyCount},
                      {"octave", -1, 10, &instrument.octave},
                      {"voice", 0, 127, &instrument.voice},
                      {"written", -127, 127, &instrument.written}}};
    table.chars.insert(table.chars.end(), {{"viewStyle", "tg", &base.viewStyle},
                                           {"orientation", "ad", &instrument.orientation},
                                           {"position", "ms", &instrument.position},
                                           {"topKey", "cto", &instrument.topKey},
                                           {"clef", "", &instrument.clef}});
    return SetField(table, field, value, problem);
}

bool SetSheetField(SheetInstrument& instrument, InstrumBase& base, const std::string& field, const std::string& value,
                   std::string& problem)
{
    FieldTable table{BaseChars(base), {}};
    table.chars.insert(table.chars.end(), {{"viewStyle", "tg", &base.viewStyle},
                                           {"clefCode", "", &instrument.clefCode},
                                           {"showNotes", "ea", &instrument.showNotes},
                                           {"highlight", "yn", &instrument.highlight}});
    return SetField(table, field, value, problem);
}

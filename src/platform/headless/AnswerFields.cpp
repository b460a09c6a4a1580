#include "platform/headless/AnswerFields.h"

#include <charconv>
#include <climits>

#include "framework/Menu.h"

namespace {

DialogControl* FindControl(DialogData& dialog, const std::string& name)
{
    long long id = 0;
    if (ParseAnswerNumber(name, id))
        return id >= INT_MIN && id <= INT_MAX ? dialog.Find(static_cast<int>(id)) : nullptr;
    for (auto& control : dialog.controls)
        if (PlainMenuText(control.label) == name)
            return &control;
    return nullptr;
}

int* FontField(LogFont& font, const std::string& name)
{
    if (name == "height")
        return &font.height;
    if (name == "width")
        return &font.width;
    if (name == "weight")
        return &font.weight;
    if (name == "italic")
        return &font.italic;
    if (name == "charset")
        return &font.charSet;
    if (name == "quality")
        return &font.quality;
    if (name == "family")
        return &font.pitchAndFamily;
    return nullptr;
}

}  // namespace

bool ParseAnswerNumber(const std::string& text, long long& value)
{
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.data() + (hex ? 2 : 0);
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(begin, end, value, hex ? 16 : 10);
    return !text.empty() && error == std::errc() && stop == end;
}

std::string ApplyDialogFields(DialogData& dialog, const AnswerFields& fields)
{
    for (const auto& [name, value] : fields) {
        DialogControl* control = FindControl(dialog, name);
        if (!control)
            return "no control " + name;
        if (!dialog.SetFromText(control->id, value))
            return "control " + name + " does not take " + value;
    }
    return {};
}

std::string ApplyFontFields(LogFont& font, const AnswerFields& fields)
{
    for (const auto& [name, value] : fields) {
        if (name == "face") {
            font.faceName = value.substr(0, 31);
            continue;
        }
        int* field = FontField(font, name);
        long long number = 0;
        if (!field)
            return "no font field " + name;
        if (!ParseAnswerNumber(value, number) || number < INT_MIN || number > INT_MAX)
            return "font field " + name + " needs a number, not " + value;
        *field = static_cast<int>(number);
    }
    return {};
}

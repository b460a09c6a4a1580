#include "instruments/DetailsDialogParts.h"

#include <charconv>
#include <cmath>

#include "framework/Application.h"
#include "framework/Prompts.h"
#include "instruments/InstrumDoc.h"

namespace {

constexpr int kNameLabel = 1019;
constexpr int kFontName = 1017;
constexpr int kFontHeight = 1026;
constexpr int kFontWidth = 1025;
constexpr int kScaleVertical = 1000;
constexpr int kScaleHorizontal = 1001;

bool ParseNumber(const std::string& text, int& value)
{
    std::size_t start = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (start == std::string::npos)
        return false;
    const char* first = text.data() + start;
    const char* last = text.data() + end + 1;
    auto [stop, error] = std::from_chars(first, last, value);
    return error == std::errc() && stop == last;
}

int Percent(double ratio)
{
    return static_cast<int>(std::lround(ratio * 100));
}

} // namespace

void AddNameAndFontRows(DialogData& dialog, const CInstrumDoc& doc)
{
    dialog.Add(kNameLabel, DialogControl::Kind::Label, "Name: " + doc.name);
    dialog.Add(kFontName, DialogControl::Kind::Label, "Current Font: Name: " + doc.base.logFont.faceName);
    dialog.Add(kFontHeight, DialogControl::Kind::Label, "Height: " + std::to_string(doc.base.fontHeightNormal));
    dialog.Add(kFontWidth, DialogControl::Kind::Label, "Width: " + std::to_string(doc.base.fontWidthNormal));
    AddNumber(dialog, kScaleVertical, "Scale Vertical %", Percent(doc.base.fontHeightRatio));
    AddNumber(dialog, kScaleHorizontal, "Scale Horizontal %", Percent(doc.base.fontWidthRatio));
}

DialogControl& AddNumber(DialogData& dialog, int id, const std::string& label, int value)
{
    DialogControl& control = dialog.Add(id, DialogControl::Kind::Edit, label);
    control.text = std::to_string(value);
    return control;
}

DialogControl& AddRadio(DialogData& dialog, int id, const std::string& label, int group, bool checked)
{
    DialogControl& control = dialog.Add(id, DialogControl::Kind::Radio, label);
    control.group = group;
    control.value = checked ? 1 : 0;
    return control;
}

int NumberOf(const DialogData& dialog, int id)
{
    int value = 0;
    const DialogControl* control = dialog.Find(id);
    if (control)
        ParseNumber(control->text, value);
    return value;
}

bool IsChecked(const DialogData& dialog, int id)
{
    const DialogControl* control = dialog.Find(id);
    return control && control->value != 0;
}

char ChosenCode(const DialogData& dialog, std::initializer_list<std::pair<int, char>> buttons, char kept)
{
    for (auto [id, code] : buttons)
        if (IsChecked(dialog, id))
            return code;
    return kept;
}

int SelectionOf(const DialogData& dialog, int id)
{
    const DialogControl* control = dialog.Find(id);
    return control ? control->value : 0;
}

namespace {

std::string RangeProblem(const DialogData& dialog, const std::vector<NumberRange>& ranges)
{
    for (const NumberRange& range : ranges) {
        int value = 0;
        const DialogControl* control = dialog.Find(range.id);
        if (!control || !ParseNumber(control->text, value) || value < range.minimum || value > range.maximum)
            return "Please enter an integer between " + std::to_string(range.minimum) + " and " +
                   std::to_string(range.maximum) + ".";
    }
    return {};
}

} // namespace

std::string TextOf(const DialogData& dialog, int id)
{
    const DialogControl* control = dialog.Find(id);
    if (!control)
        return {};
    std::size_t start = control->text.find_first_not_of(' ');
    if (start == std::string::npos)
        return {};
    return control->text.substr(start, control->text.find_last_not_of(' ') + 1 - start);
}

int RunWithRanges(IPrompts& prompts, DialogData& dialog, const std::vector<NumberRange>& ranges,
                  const DialogCheck& check)
{
    for (;;) {
        int result = prompts.RunDialog(dialog);
        if (result != IDOK)
            return result;
        std::string problem = RangeProblem(dialog, ranges);
        if (problem.empty() && check)
            problem = check(dialog);
        if (problem.empty())
            return IDOK;
        prompts.MessageBox(problem, dialog.caption, MessageIcon::Warning, MessageButtons::Ok);
    }
}

void TakeScaleRatios(const DialogData& dialog, CInstrumDoc& doc)
{
    doc.base.fontHeightRatio = NumberOf(dialog, kScaleVertical) * 0.01;
    doc.base.fontWidthRatio = NumberOf(dialog, kScaleHorizontal) * 0.01;
}

std::vector<NumberRange> ScaleRanges()
{
    return {{kScaleVertical, 10, 150}, {kScaleHorizontal, 10, 150}};
}

void RunDetails(CInstrumDoc& doc, DialogData& dialog, const std::vector<NumberRange>& ranges,
                const std::function<void(const DialogData&)>& take, const DialogCheck& check)
{
    int result = RunWithRanges(*doc.App().ports.prompts, dialog, ranges, check);
    if (result == kResetDetails) {
        doc.ReattachEntry();
        return;
    }
    if (result != IDOK)
        return;
    take(dialog);
    doc.UpdateNoteMarks();
}

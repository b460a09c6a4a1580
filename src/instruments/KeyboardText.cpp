#include "instruments/KeyboardText.h"

#include <algorithm>
#include <optional>
#include <string>

#include "harmony/ModelState.h"
#include "instruments/InstrumBase.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardLabels.h"
#include "instruments/KeyboardLayout.h"

namespace {

constexpr int kHorizontalLines = 12;
constexpr int kWhiteLabelLine = 9;
constexpr int kBlackLabelLine = 4;

class KeyboardTextBuilder {
public:
    KeyboardTextBuilder(const KeyboardInstrument& keyboard, const NoteSources* sources, const CNoteSpeller& speller,
                        bool lineDrawing)
        : templates_(SelectKeyTemplates(lineDrawing, keyboard.orientation, keyboard.topKey)),
          start_(FindKeyboardStart(keyboard, sources ? sources->tonic : 0, speller)),
          keyCount_(BoundKeyCount(keyboard.keyCount))
    {
        if (sources)
            labels_.emplace(*sources, start_.labelOffset, keyboard.octave);
    }

    void BuildHorizontal(InstrumBase& base) const;
    void BuildVertical(InstrumBase& base) const;

private:
    const KeyLayoutRow& RowOf(int key) const { return kKeyLayout[static_cast<std::size_t>((start_.layoutRow + key) % 12)]; }
    std::string_view LabelOf(int key) const { return labels_ ? labels_->LabelOf(key) : std::string_view(); }
    const std::string& CloseTemplate() const { return templates_[static_cast<std::size_t>(RowOf(keyCount_).close)]; }
    const std::string* OpenTemplate() const
    {
        int open = RowOf(0).open;
        return open < 0 ? nullptr : &templates_[static_cast<std::size_t>(open)];
    }

    KeyTemplates templates_;
    KeyboardStart start_;
    int keyCount_;
    std::optional<KeyboardLabels> labels_;
};

void AppendColumn(InstrumBase& base, const std::string& column)
{
    for (int j = 0; j < kHorizontalLines; ++j)
        base.lines[static_cast<std::size_t>(j)] += column[static_cast<std::size_t>(j)];
}

// Black-key labels stand higher than white-key ones; a label reads from
// the top down ("G" above "#", "I" above "V"), its last character on the
// key's label line.
void AppendHorizontalKey(InstrumBase& base, const KeyTemplates& templates, const KeyLayoutRow& row,
                                     std::string_view label)
{
    for (int c = 0; c < row.cellCount; ++c) {
        std::string column = templates[static_cast<std::size_t>(row.cells[static_cast<std::size_t>(c)])];
        if (c == row.labelCell) {
            int lastLine = IsBlackKeyRow(row) ? kBlackLabelLine : kWhiteLabelLine;
            std::size_t shown = std::min(label.size(), static_cast<std::size_t>(lastLine) + 1);
            std::size_t top = static_cast<std::size_t>(lastLine) + 1 - shown;
            for (std::size_t m = 0; m < shown; ++m)
                column[top + m] = label[m];
        }
        AppendColumn(base, column);
    }
}

void KeyboardTextBuilder::BuildHorizontal(InstrumBase& base) const
{
    base.ClearLines();
    base.lines.resize(kHorizontalLines);
    if (const std::string* open = OpenTemplate())
        AppendColumn(base, *open);
    for (int key = 0; key < keyCount_; ++key)
        AppendHorizontalKey(base, templates_, RowOf(key), LabelOf(key));
    AppendColumn(base, CloseTemplate());
    base.lineCount = kHorizontalLines;
}

void KeyboardTextBuilder::BuildVertical(InstrumBase& base) const
{
    base.ClearLines();
    base.lines.resize(static_cast<std::size_t>(keyCount_) * 3 + 4);
    if (const std::string* open = OpenTemplate())
        base.AppendLine(*open);
    for (int key = 0; key < keyCount_; ++key) {
        const KeyLayoutRow& row = RowOf(key);
        std::string_view label = LabelOf(key);
        for (int c = 0; c < row.cellCount; ++c) {
            std::string line = templates_[static_cast<std::size_t>(row.cells[static_cast<std::size_t>(c)])];
            if (c == row.labelCell)
                line.replace(static_cast<std::size_t>(row.labelPosition), label.size(), label);
            base.AppendLine(std::move(line));
        }
    }
    base.AppendLine(CloseTemplate());
    base.lines.resize(static_cast<std::size_t>(base.lineCount));
}

} // namespace

void BuildKeyboardLines(const KeyboardInstrument& keyboard, const NoteSources* sources, const CNoteSpeller& speller,
                        InstrumBase& base)
{
    KeyboardTextBuilder builder(keyboard, sources, speller, base.UsesLineDrawing());
    if (keyboard.orientation == 'a')
        builder.BuildHorizontal(base);
    else if (keyboard.orientation == 'd')
        builder.BuildVertical(base);
    else
        base.ClearLines();
}

void DrawKeyboardText(const KeyboardInstrument& keyboard, CModelState& model, const NoteMarks& marks,
                      const CNoteSpeller& speller, InstrumBase& base)
{
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, marks);
    BuildKeyboardLines(keyboard, &sources, speller, base);
}

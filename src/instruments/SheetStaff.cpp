#include "instruments/SheetStaff.h"

#include <string>

#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "instruments/InstrumBase.h"
#include "instruments/SheetClefs.h"
#include "instruments/SheetGraph.h"
#include "instruments/SheetImages.h"
#include "instruments/SheetInstrument.h"

namespace {

// Sharps of a key signature start this many steps above the bottom row
// when the staff has no known clef.
constexpr int kPlainLowestStep = 10;

int ClefImageOf(char letter)
{
    switch (letter) {
    case 'G': return kTrebleClefImage;
    case 'C': return kAltoClefImage;
    case 'F': return kBassClefImage;
    default: return 0;
    }
}

// The lowest step (from the bottom row) a key signature's accidental may
// stand on, so that sharps and flats keep their customary places.
int LowestSignatureStep(const ClefMethod* clef, bool sharps, int rows)
{
    if (!clef)
        return kPlainLowestStep;
    int top = rows - clef->clefRow;
    switch (clef->letter) {
    case 'G':
        return sharps && clef->code != '4' ? top : top - 2;
    case 'C':
        if (clef->code == '3')
            return top - 1;
        if (clef->code == '2')
            return top - 8;
        if (sharps)
            return clef->code == 'T' ? top - 5 : top - 3;
        return clef->code == 'M' ? top - 3 : top - 5;
    case 'F':
        return sharps || clef->code == '1' ? top - 6 : top - 8;
    default:
        return kPlainLowestStep;
    }
}

class StaffBuilder {
public:
    StaffBuilder(const SheetInstrument& sheet, const NoteSources& sources, const CModelState& model,
                 const CNoteSpeller& speller, const InstrumBase& base);

    StaffLayout Build(InstrumBase& base);

private:
    void StartBlock();
    void AddKeySignature();
    void AddSignatureNote(const NoteCell& note, int lowest);
    void AddNotes();
    char NoteLetter(int offset);
    void AddNoteColumn(std::string_view label, char letter, int offset, int spanIndex);
    void UpdateHiding(int row);
    bool Hidden(int count) const;
    void AppendColumn(const std::string& column);
    void AppendFill(int width);
    int BottomLetter() const { return layout_.clef ? layout_.clef->bottomLetter : kPlainBottomLetter; }
    char RowLetter(int row) const { return kLetters[static_cast<std::size_t>((BottomLetter() + rows_ - 1 - row) % 7)]; }

    const SheetInstrument& sheet_;
    const NoteSources& sources_;
    const CModelState& model_;
    const CNoteSpeller& speller_;
    bool graph_;
    StaffLayout layout_;
    StaffColumns columns_;
    int rows_;
    std::vector<std::string> block_;
    NotePosition spelling_;
    // The notes by name, chord tones as the chord spells them: a tone the
    // scale lacks is written on its own letter's row.
    NoteRow plainNames_;
    int hideRow_ = 0;
    int hideParity_ = 0;
};

StaffBuilder::StaffBuilder(const SheetInstrument& sheet, const NoteSources& sources, const CModelState& model,
                           const CNoteSpeller& speller, const InstrumBase& base)
    : sheet_(sheet),
      sources_(sources),
      model_(model),
      speller_(speller),
      graph_(base.viewStyle == 'g'),
      columns_(MakeStaffColumns(base.UsesLineDrawing(), sheet.clefCode == 'P'))
{
    layout_.clef = FindClef(sheet.clefCode);
    layout_.grand = layout_.clef && layout_.clef->grand;
    layout_.rows = rows_ = layout_.grand ? kGrandStaffRows : kStaffRows;
    layout_.firstLine = layout_.clef ? layout_.clef->firstLine : kPlainFirstLine;
    spelling_.accidentals = model.accidentals;
    spelling_.variant = model.variant;
    plainNames_ = GatherPlainNames(model).labels;
    hideRow_ = rows_;
}

void StaffBuilder::AppendColumn(const std::string& column)
{
    for (int row = 0; row < rows_; ++row)
        block_[static_cast<std::size_t>(row)] += column[static_cast<std::size_t>(row)];
    ++layout_.columnCount;
}

void StaffBuilder::AppendFill(int width)
{
    for (int i = 0; i < width; ++i)
        AppendColumn(columns_.fill);
}

// Edge or fill, fill, bar, fill; the text view writes the clef's name down
// the first column and its letter on the bar.
void StaffBuilder::StartBlock()
{
    block_.assign(static_cast<std::size_t>(rows_), std::string());
    for (std::string& row : block_)
        row.reserve(256);
    AppendColumn(graph_ ? columns_.leftEdge : columns_.fill);
    AppendColumn(columns_.fill);
    AppendColumn(graph_ ? columns_.fill : columns_.bar);
    AppendColumn(columns_.fill);
    const ClefMethod* clef = layout_.clef;
    if (!clef)
        return;
    if (graph_) {
        layout_.clefImage = ClefImageOf(clef->letter);
        layout_.clefRow = clef->clefRow;
        return;
    }
    for (std::size_t row = 0; row < clef->label.size() && row < block_.size(); ++row)
        if (clef->label[row] != ' ')
            block_[row][0] = clef->label[row];
    block_[static_cast<std::size_t>(clef->clefRow)][2] = clef->letter;
    if (clef->grand)
        block_[kGrandBassClefRow][2] = 'F';
}

// Only scales of six to eight notes have a signature; more sharps than flats
// are written as sharps, otherwise (ties included) as flats.
void StaffBuilder::AddKeySignature()
{
    int notes = 0, sharps = 0, flats = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        const NoteCell& cell = model_.scaleNotes[i];
        if (cell.Empty())
            continue;
        ++notes;
        sharps += cell.bytes[1] == '#';
        flats += cell.bytes[1] == 'b';
    }
    if (notes < 6 || notes > 8)
        return;
    AppendFill(1);
    if (sharps == 0 && flats == 0)
        return;
    bool useSharps = sharps > flats;
    std::string_view order = useSharps ? "FCGDAEB" : "BEADGCF";
    std::size_t count = 0;
    for (char letter : order) {
        bool added = false;
        for (std::size_t i = 0; i < 12 && count < layout_.keySignature.size(); ++i) {
            const NoteCell& cell = model_.scaleNotes[i];
            if (cell.bytes[0] == letter && cell.Text().size() > 1) {
                layout_.keySignature[count++] = cell;
                added = true;
            }
        }
        if (!added)
            break;
    }
    int lowest = LowestSignatureStep(layout_.clef, useSharps, rows_);
    for (std::size_t i = 0; i < count; ++i)
        AddSignatureNote(layout_.keySignature[i], lowest);
    AppendFill(2);
}

void StaffBuilder::AddSignatureNote(const NoteCell& note, int lowest)
{
    std::string_view accidental = note.Text().substr(1);
    int step = LetterIndex(note.bytes[0]) - BottomLetter();
    step = lowest + FloorMod(step - lowest, 7);
    int row = rows_ - 1 - step;
    int bassRow = layout_.grand ? rows_ + 13 - step : -1;
    for (std::size_t k = 0; k < accidental.size(); ++k) {
        for (int r = 0; r < rows_; ++r) {
            bool written = !graph_ && (r == row || r == bassRow);
            block_[static_cast<std::size_t>(r)] += written ? accidental[k] : columns_.fill[static_cast<std::size_t>(r)];
        }
        ++layout_.columnCount;
        if (accidental[k] == '#' || accidental[k] == 'b')
            layout_.signature.push_back({row, accidental[k]});
    }
}

// The letter the note is written with, from the spelling (sharps or flats,
// plain or alternative) its scale note has; a cell that is no note name
// keeps the previous note's spelling.
char SpelledLetter(const CNoteSpeller& speller, const NoteRow& scaleNotes, int offset, int tonic,
                   NotePosition& spelling)
{
    std::string_view scaleNote = scaleNotes[static_cast<std::size_t>(offset)].Text();
    NotePosition found;
    if (!scaleNote.empty() && LetterIndex(scaleNote[0]) >= 0 && speller.FindName(scaleNote, found))
        spelling = found;
    std::string name = speller.GetName(spelling.accidentals, spelling.variant, (offset + tonic) % 12);
    return name.empty() ? '\0' : name[0];
}

char StaffBuilder::NoteLetter(int offset)
{
    char letter = SpelledLetter(speller_, model_.scaleNotes, offset, sources_.tonic, spelling_);
    std::string_view named = plainNames_[static_cast<std::size_t>(offset)].Text();
    if (model_.scaleNotes[static_cast<std::size_t>(offset)].Empty() && !named.empty() && LetterIndex(named[0]) >= 0)
        return named[0];
    return letter;
}

// Offsets 0..11 again and again until the staff is full; a whole round
// without a label ends it.
void StaffBuilder::AddNotes()
{
    int offset = 0;
    int spanIndex = sources_.chordset == 's' ? 12 : 0;
    int round = sources_.twoOctave ? 24 : 12;
    for (int idle = 0; layout_.columnCount < kStaffNoteLimit && idle < round;) {
        std::string_view label = sources_.twoOctave ? sources_.span[static_cast<std::size_t>(spanIndex)].Text()
                                                    : sources_.labels[static_cast<std::size_t>(offset)].Text();
        if (label.empty()) {
            ++idle;
        } else {
            idle = 0;
            AddNoteColumn(label, NoteLetter(offset), offset, spanIndex);
        }
        spanIndex = (spanIndex + 1) % 24;
        offset = (offset + 1) % 12;
    }
}

// The first occurrence of each note (its lowest row) moves the reference
// row, which decides which octaves show the note in alternate mode.
void StaffBuilder::UpdateHiding(int row)
{
    if (row <= hideRow_)
        hideRow_ = row;
    else if (row - 7 < hideRow_)
        hideRow_ = row - 7;
    else if (row - 14 < hideRow_)
        hideRow_ = row - 14;
    if (hideRow_ <= rows_ - 15)
        hideRow_ += 14;
    hideParity_ = hideRow_ > rows_ - 1 || hideRow_ < rows_ - 7 ? 1 : 0;
}

bool StaffBuilder::Hidden(int count) const
{
    return sheet_.playbackActive || (sheet_.showNotes == 'a' && count % 2 != hideParity_);
}

void StaffBuilder::AddNoteColumn(std::string_view label, char letter, int offset, int spanIndex)
{
    int width = static_cast<int>(label.size()) + 2;
    int count = 0;
    for (int row = rows_ - 1; row >= 0; --row) {
        std::string& text = block_[static_cast<std::size_t>(row)];
        char fill = columns_.fill[static_cast<std::size_t>(row)];
        if (RowLetter(row) != letter) {
            text.append(static_cast<std::size_t>(width), fill);
            continue;
        }
        if (++count == 1)
            UpdateHiding(row);
        if (Hidden(count)) {
            text.append(static_cast<std::size_t>(width), fill);
            continue;
        }
        char frame = row % 2 == 1 ? columns_.lineGlyph : ' ';
        text += frame;
        text += label;
        text += frame;
    }
    layout_.notes.push_back({layout_.columnCount, width, offset, spanIndex});
    layout_.columnCount += width;
}

StaffLayout StaffBuilder::Build(InstrumBase& base)
{
    StartBlock();
    AddKeySignature();
    AddNotes();
    AppendColumn(graph_ ? columns_.rightEdge : columns_.bar);
    base.ClearLines();
    for (int row = 0; row < rows_; ++row)
        base.lines[static_cast<std::size_t>(layout_.firstLine + row)] = std::move(block_[static_cast<std::size_t>(row)]);
    base.lineCount = kSheetLines;
    return std::move(layout_);
}

} // namespace

StaffLayout BuildStaff(const SheetInstrument& sheet, const NoteSources& sources, const CModelState& model,
                       const CNoteSpeller& speller, InstrumBase& base)
{
    StaffBuilder builder(sheet, sources, model, speller, base);
    return builder.Build(base);
}

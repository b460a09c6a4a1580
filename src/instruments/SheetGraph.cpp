#include "instruments/SheetGraph.h"

#include <algorithm>
#include <string>

#include "framework/Drawing.h"
#include "harmony/ModelState.h"
#include "harmony/Notation.h"
#include "instruments/InstrumBase.h"
#include "instruments/SheetClefs.h"
#include "instruments/SheetImages.h"
#include "instruments/StaffEngraving.h"

namespace {

// Grid text starts this many pixels from the left and top.
constexpr int kGridMargin = 4;
// The grand staff's bass staff stands this many rows below the treble staff.
constexpr int kGrandStaffDistance = 14;
// Key signature accidentals start in the fifth text column; each stands
// two pixels more than a column from the one before, so that neighbouring
// sharps and flats keep clear of each other. The two fill columns after
// the signature take up the difference.
constexpr int kFirstSignatureColumn = 5;
constexpr int kSignatureGap = 2;

class GlyphPainter {
public:
    GlyphPainter(IDrawingSurface& surface, const StaffLayout& layout, const InstrumBase& base)
        : surface_(surface), layout_(layout), base_(base), rows_{layout.grand}
    {
    }

    void PaintClefs() const;
    void PaintSignature() const;
    void PaintNotes(const NoteSources& sources, const PlainNames& plain) const;

private:
    int W() const { return base_.logFont.width; }
    int ColumnLeft(int column) const { return GridColumnLeft(column, W()); }
    int RowCentre(int row) const { return GridLineCentre(layout_.firstLine + row, base_.logFont.height); }
    void Place(int id, int x, int row) const { surface_.Image(x, RowCentre(row) - SheetImageAnchor(id).y, id); }
    void PaintNote(int column, int row, std::string_view plainName, AccidentalMemory& accidentals) const;

    IDrawingSurface& surface_;
    const StaffLayout& layout_;
    const InstrumBase& base_;
    StaffRows rows_;
};

void GlyphPainter::PaintClefs() const
{
    if (layout_.clefImage == 0)
        return;
    Place(layout_.clefImage, SheetImageAnchor(layout_.clefImage).x, layout_.clefRow);
    if (layout_.grand)
        Place(kBassClefImage, SheetImageAnchor(kBassClefImage).x, kGrandBassClefRow);
}

void GlyphPainter::PaintSignature() const
{
    int x = ColumnLeft(kFirstSignatureColumn);
    for (const SignatureSign& sign : layout_.signature) {
        int id = sign.sign == '#' ? kSharpImage : kFlatImage;
        Place(id, x - SheetImageAnchor(id).x, sign.row);
        if (layout_.grand)
            Place(id, x - SheetImageAnchor(id).x, sign.row + kGrandStaffDistance);
        x += W() + kSignatureGap;
    }
}

// The head sits on its "*" with its stem by the middle line, ledger lines
// out to it, and the accidental the key signature and the notes before it
// leave it needing in the cells to its left.
void GlyphPainter::PaintNote(int column, int row, std::string_view plainName, AccidentalMemory& accidentals) const
{
    int head = rows_.StemDown(row) ? kQuarterDownImage : kQuarterUpImage;
    int centre = ColumnLeft(column) + W() / 2;
    std::vector<int> ledgers;
    for (int ledger : rows_.LedgerRows(row))
        ledgers.push_back(RowCentre(ledger));
    DrawLedgerLines(surface_, ledgers, centre, W(), base_.foreColor);
    Place(head, centre - SheetImageAnchor(head).x, row);
    if (plainName.empty())
        return;
    if (std::optional<int> sign = accidentals.Needed(row, plainName[0], AlterationOf(plainName)))
        DrawAccidental(surface_, *sign, ColumnLeft(column - 1), RowCentre(row), W());
}

// The staff without bar lines reads as one measure: an accidental holds
// on its row for the notes after it.
void GlyphPainter::PaintNotes(const NoteSources& sources, const PlainNames& plain) const
{
    AccidentalMemory accidentals(layout_.keySignature);
    for (const NoteColumn& note : layout_.notes) {
        int column = note.start + 1;
        std::string_view name = sources.twoOctave ? plain.span[static_cast<std::size_t>(note.spanIndex)].Text()
                                                  : plain.labels[static_cast<std::size_t>(note.offset)].Text();
        for (int row = 0; row < layout_.rows; ++row) {
            const std::string& line = base_.lines[static_cast<std::size_t>(layout_.firstLine + row)];
            if (static_cast<std::size_t>(column) < line.size() && line[static_cast<std::size_t>(column)] == '*')
                PaintNote(column, row, name, accidentals);
        }
    }
}

} // namespace

PlainNames GatherPlainNames(const CModelState& model)
{
    CModelState named = model;
    PlainNames plain;
    named.LabelNotes(Notation::kExtended, ChordTones::kNames, plain.labels);
    plain.span = named.span;
    return plain;
}

int GridLineCentre(int line, int fontHeight)
{
    return kGridMargin + line * fontHeight + fontHeight / 2;
}

int GridColumnLeft(int column, int fontWidth)
{
    return kGridMargin + column * fontWidth;
}

void PaintSheetGlyphs(IDrawingSurface& surface, const StaffLayout& layout, const NoteSources& sources,
                      const PlainNames& plain, const InstrumBase& base)
{
    GlyphPainter painter(surface, layout, base);
    painter.PaintClefs();
    painter.PaintSignature();
    if (base.notation == 'p')
        painter.PaintNotes(sources, plain);
}

PixelSize TextGridSize(const InstrumBase& base)
{
    std::size_t longest = 0;
    for (int i = 0; i < base.lineCount && static_cast<std::size_t>(i) < base.lines.size(); ++i)
        longest = std::max(longest, base.lines[static_cast<std::size_t>(i)].size());
    return {base.logFont.width * (static_cast<int>(longest) + 1), base.logFont.height * (base.lineCount + 1)};
}

PixelSize PaintSheetGraph(IDrawingSurface& surface, const StaffLayout& layout, const NoteSources& sources,
                          const PlainNames& plain, const InstrumBase& base)
{
    surface.FillRect(surface.ClipBox(), base.backColor);
    for (int i = 0; i < base.lineCount; ++i) {
        const std::string& line = base.lines[static_cast<std::size_t>(i)];
        if (!line.empty())
            surface.Text(kGridMargin, kGridMargin + i * base.logFont.height, line, base.logFont, base.foreColor,
                         base.backColor, false);
    }
    PaintSheetGlyphs(surface, layout, sources, plain, base);
    return TextGridSize(base);
}

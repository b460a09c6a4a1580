#include "instruments/SheetGraph.h"

#include <algorithm>
#include <string>

#include "framework/Drawing.h"
#include "harmony/ModelState.h"
#include "harmony/Notation.h"
#include "instruments/InstrumBase.h"
#include "instruments/SheetClefs.h"
#include "instruments/SheetImages.h"

namespace {

// Grid text starts this many pixels from the left and top.
constexpr int kGridMargin = 4;
// The grand staff's bass staff stands this many rows below the treble staff.
constexpr int kGrandStaffDistance = 14;
// Key signature accidentals stand in the text columns that hold them in the
// text view: from the fifth on, one column apart.
constexpr int kFirstSignatureColumn = 5;
// Notes standing above this row have their stems down.
constexpr int kStemDownBelowRow = 5;

class GlyphPainter {
public:
    GlyphPainter(IDrawingSurface& surface, const StaffLayout& layout, const InstrumBase& base)
        : surface_(surface), layout_(layout), base_(base)
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
    void PaintNote(int column, int row, std::string_view plainName, bool natural) const;

    IDrawingSurface& surface_;
    const StaffLayout& layout_;
    const InstrumBase& base_;
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
    int column = kFirstSignatureColumn;
    for (const SignatureSign& sign : layout_.signature) {
        int id = sign.sign == '#' ? kSharpImage : kFlatImage;
        int x = ColumnLeft(column++) - SheetImageAnchor(id).x;
        Place(id, x, sign.row);
        if (layout_.grand)
            Place(id, x, sign.row + kGrandStaffDistance);
    }
}

int AccidentalImage(char sign)
{
    return sign == '#' ? kSharpImage : kFlatImage;
}

// The head sits on its "*"; accidentals stand to its left, a double one
// with its two signs a column apart.
void GlyphPainter::PaintNote(int column, int row, std::string_view plainName, bool natural) const
{
    int head = row < kStemDownBelowRow ? kQuarterDownImage : kQuarterUpImage;
    int centre = ColumnLeft(column) + W() / 2;
    Place(head, centre - SheetImageAnchor(head).x, row);
    int beforeHead = ColumnLeft(column - 1);
    if (plainName.size() == 2 && (plainName[1] == '#' || plainName[1] == 'b')) {
        Place(AccidentalImage(plainName[1]), beforeHead, row);
    } else if (plainName.size() == 3) {
        int id = AccidentalImage(plainName[2]);
        Place(id, beforeHead - W(), row);
        Place(id, beforeHead, row);
    } else if (natural) {
        Place(kNaturalImage, beforeHead, row);
    }
}

// A note whose letter repeats the previous note's, which carried an
// accidental, gets a natural sign.
void GlyphPainter::PaintNotes(const NoteSources& sources, const PlainNames& plain) const
{
    char previousLetter = '\0';
    bool previousAltered = false;
    for (const NoteColumn& note : layout_.notes) {
        int column = note.start + 1;
        std::string_view name = sources.twoOctave ? plain.span[static_cast<std::size_t>(note.spanIndex)].Text()
                                                  : plain.labels[static_cast<std::size_t>(note.offset)].Text();
        bool marked = false;
        bool natural = name.size() == 1 && name[0] == previousLetter && previousAltered;
        for (int row = 0; row < layout_.rows; ++row) {
            const std::string& line = base_.lines[static_cast<std::size_t>(layout_.firstLine + row)];
            if (static_cast<std::size_t>(column) < line.size() && line[static_cast<std::size_t>(column)] == '*') {
                PaintNote(column, row, name, natural);
                marked = true;
            }
        }
        if (marked && !name.empty()) {
            previousLetter = name[0];
            previousAltered = name.size() > 1;
        }
    }
}

} // namespace

PlainNames GatherPlainNames(CModelState& model)
{
    PlainNames plain;
    model.LabelNotes('e', ChordTones::kNames, plain.labels);
    plain.span = model.span;
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

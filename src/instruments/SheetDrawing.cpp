#include "instruments/SheetDrawing.h"

#include "instruments/InstrumBase.h"
#include "instruments/SheetGraph.h"

namespace {

// Builds with the view style set for the call; the base keeps its own.
StaffLayout BuildInStyle(char style, const SheetInstrument& sheet, const NoteSources& sources,
                         const CModelState& model, const CNoteSpeller& speller, InstrumBase& base)
{
    char kept = base.viewStyle;
    base.viewStyle = style;
    StaffLayout layout = BuildStaff(sheet, sources, model, speller, base);
    base.viewStyle = kept;
    return layout;
}

} // namespace

StaffLayout BuildSheetLines(const SheetInstrument& sheet, CModelState& model, const CNoteSpeller& speller,
                            InstrumBase& base)
{
    const NoteMarks silent{};
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, silent);
    return BuildStaff(sheet, sources, model, speller, base);
}

PixelSize DrawSheetGraph(IDrawingSurface& surface, const SheetInstrument& sheet, CModelState& model,
                         const CNoteSpeller& speller, InstrumBase& base, StaffLayout* layout)
{
    PlainNames plain = GatherPlainNames(model);
    const NoteMarks silent{};
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, silent);
    StaffLayout built = BuildInStyle('g', sheet, sources, model, speller, base);
    PixelSize size = PaintSheetGraph(surface, built, sources, plain, base);
    if (layout)
        *layout = std::move(built);
    return size;
}

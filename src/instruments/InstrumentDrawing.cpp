#include "instruments/InstrumentDrawing.h"

#include <algorithm>

#include "framework/Drawing.h"
#include "instruments/FingeringCharts.h"
#include "instruments/Fretboard.h"
#include "instruments/InstrumBase.h"

void DrawStringed(const StringedInstrument& instrument, CModelState& model, const NoteMarks& marks,
                  const CNoteSpeller& speller, InstrumBase& base)
{
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordset, marks);
    BuildFretboard(instrument, sources, speller, base);
}

void DrawRecorder(const WindInstrument& instrument, CModelState& model, const CNoteSpeller& speller,
                  InstrumBase& base)
{
    const NoteMarks silent{};
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordset, silent);
    BuildFingeringCharts(instrument, sources, speller, base);
}

void PaintTextLines(IDrawingSurface& surface, const InstrumBase& base)
{
    constexpr int kMargin = 4;
    Rect clip = surface.ClipBox();
    surface.FillRect({0, 0, clip.right, clip.bottom}, base.backColor);
    int height = std::max(1, base.logFont.height);
    int first = std::max(0, (clip.top - kMargin) / height);
    int last = std::min(base.lineCount, static_cast<int>(base.lines.size()) - 1);
    last = std::min(last, (clip.bottom - kMargin) / height + 1);
    for (int i = first; i <= last && i < base.lineCount; ++i)
        surface.Text(kMargin, kMargin + i * height, base.lines[static_cast<std::size_t>(i)], base.logFont,
                     base.foreColor, base.backColor, false);
}

#include "instruments/InstrumentDrawing.h"

#include "instruments/FingeringCharts.h"
#include "instruments/Fretboard.h"
#include "instruments/InstrumBase.h"

void DrawStringed(const StringedInstrument& instrument, CModelState& model, const NoteMarks& marks,
                  const CNoteSpeller& speller, InstrumBase& base)
{
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, marks);
    BuildFretboard(instrument, sources, speller, base);
}

void DrawRecorder(const WindInstrument& instrument, CModelState& model, const CNoteSpeller& speller,
                  InstrumBase& base)
{
    const NoteMarks silent{};
    NoteSources sources = GatherNoteSources(model, base.notation, base.chordTones, base.chordset, silent);
    BuildFingeringCharts(instrument, sources, speller, base);
}

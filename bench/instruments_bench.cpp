// Rebuilding a large fretboard's text lines after the model changes: the
// core work an attached instrument does at every redraw.
#include <benchmark/benchmark.h>

#include <string>

#include "harmony/ChordCatalog.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumBase.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/StringedInstrument.h"

namespace {

struct Model {
    Model()
    {
        scales.Load(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE");
        chords.Load(std::string(MORVIX_SOURCE_DIR) + "/res/CHORDS.USE");
        state.SetDefaults();
    }

    CNoteSpeller speller;
    CScaleCatalog scales;
    CChordCatalog chords;
    CModelState state{speller, scales, chords};
};

StringedInstrument LargeBoard(char orientation)
{
    std::string text = "y 32";
    for (int i = 0; i < 32; ++i)
        text += i % 2 ? " A 3" : " E 3";
    StringedInstrument board;
    board.SetDefaults(text + " G 0 24");
    board.fretCount = 48;
    board.orientation = orientation;
    return board;
}

// Each iteration changes the key and the chord, recomputes the model's notes
// and redraws the board with line-drawing glyphs.
void RebuildAfterModelChange(benchmark::State& state, char orientation)
{
    Model model;
    StringedInstrument board = LargeBoard(orientation);
    InstrumBase base;
    base.charSet = 2;
    const NoteMarks marks{};
    const char* keys[] = {"C", "G", "D", "A", "E", "B", "F#", "Db", "Ab", "Eb", "Bb", "F"};
    int step = 0;
    for (auto _ : state) {
        model.state.SelectKey(keys[step % 12]);
        model.state.SelectChord(step % 8);
        model.state.ComputeNotes();
        DrawStringed(board, model.state, marks, model.speller, base);
        benchmark::DoNotOptimize(base.lines.data());
        ++step;
    }
    state.counters["lines"] = base.lineCount;
}

void BM_Board32x48Horizontal(benchmark::State& state)
{
    RebuildAfterModelChange(state, 'a');
}

void BM_Board32x48Vertical(benchmark::State& state)
{
    RebuildAfterModelChange(state, 'd');
}

BENCHMARK(BM_Board32x48Horizontal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Board32x48Vertical)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

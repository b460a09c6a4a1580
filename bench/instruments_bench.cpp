// Rebuilding instruments after the model changes, the core work an attached
// instrument does at every redraw: a large fretboard's text lines, an
// 88-key keyboard and a grand staff in text and graph view (the graph's
// drawing calls onto a surface that only counts them), and the sheet's live
// drawing over the play list of a dense real file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumBase.h"
#include "framework/Drawing.h"
#include "instruments/InstrumentDrawing.h"
#include "instruments/KeyboardGraph.h"
#include "instruments/KeyboardInstrument.h"
#include "instruments/KeyboardText.h"
#include "instruments/LiveSheet.h"
#include "instruments/SheetDrawing.h"
#include "instruments/SheetInstrument.h"
#include "instruments/StringedInstrument.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"

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

// Takes every call and keeps only their number, so that the figures are the
// instruments' own work.
class CountingSurface : public IDrawingSurface {
public:
    void FillRect(const Rect&, Color) override { ++calls; }
    void Text(int, int, const std::string&, const LogFont&, Color, Color, bool) override { ++calls; }
    void Image(int, int, int) override { ++calls; }
    void Line(int, int, int, int, Color) override { ++calls; }
    void InvertRect(const Rect&) override { ++calls; }
    Rect ClipBox() const override { return {0, 0, 2112, 3168}; }

    long calls = 0;
};

const char* const kKeys[] = {"C", "G", "D", "A", "E", "B", "F#", "Db", "Ab", "Eb", "Bb", "F"};

void ChangeModel(Model& model, int step)
{
    model.state.SelectKey(kKeys[step % 12]);
    model.state.SelectScale(step % 5);
    model.state.ComputeNotes();
}

InstrumBase BaseWithFont(double heightRatio, char notation)
{
    InstrumBase base;
    base.charSet = 2;
    base.notation = notation;
    base.fontHeightNormal = 12;
    base.fontWidthNormal = 8;
    base.fontHeightRatio = heightRatio;
    base.ApplyFontRatios();
    return base;
}

void BM_Keyboard88Text(benchmark::State& state)
{
    Model model;
    KeyboardInstrument piano;
    piano.SetDefaults("88 A 1 G 0 0");
    InstrumBase base = BaseWithFont(1.0, 'e');
    const NoteMarks marks{};
    int step = 0;
    for (auto _ : state) {
        ChangeModel(model, step++);
        DrawKeyboardText(piano, model.state, marks, model.speller, base);
        benchmark::DoNotOptimize(base.lines.data());
    }
}

void BM_Keyboard88Graph(benchmark::State& state)
{
    Model model;
    KeyboardInstrument piano;
    piano.SetDefaults("88 A 1 G 0 0");
    InstrumBase base = BaseWithFont(1.0, 'e');
    const NoteMarks marks{};
    CountingSurface surface;
    int step = 0;
    for (auto _ : state) {
        ChangeModel(model, step++);
        NoteSources sources = GatherNoteSources(model.state, base.notation, base.chordTones, base.chordset, marks);
        benchmark::DoNotOptimize(PaintKeyboardGraph(surface, piano, model.speller, &sources, base));
    }
    state.counters["calls"] = static_cast<double>(surface.calls) / static_cast<double>(state.iterations());
}

void BM_GrandStaffText(benchmark::State& state)
{
    Model model;
    SheetInstrument sheet;
    sheet.SetDefaults("P");
    sheet.showNotes = 'e';
    InstrumBase base = BaseWithFont(0.5, 'e');
    int step = 0;
    for (auto _ : state) {
        ChangeModel(model, step++);
        benchmark::DoNotOptimize(BuildSheetLines(sheet, model.state, model.speller, base));
    }
}

// The Positions notation draws every note as an image: the heaviest overlay.
void BM_GrandStaffGraph(benchmark::State& state)
{
    Model model;
    SheetInstrument sheet;
    sheet.SetDefaults("P");
    sheet.showNotes = 'e';
    InstrumBase base = BaseWithFont(0.5, 'p');
    CountingSurface surface;
    int step = 0;
    for (auto _ : state) {
        ChangeModel(model, step++);
        benchmark::DoNotOptimize(DrawSheetGraph(surface, sheet, model.state, model.speller, base));
    }
    state.counters["calls"] = static_cast<double>(surface.calls) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_Keyboard88Text)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Keyboard88Graph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GrandStaffText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GrandStaffGraph)->Unit(benchmark::kMicrosecond);

// The openmsx file with the most records in its play list.
MidiFile DensestOpenmsxFile(std::string& name)
{
    static const MidiPlayer player;
    MidiFile densest;
    std::error_code error;
    const std::filesystem::path dir = "/usr/share/games/openttd/baseset/openmsx";
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (entry.path().extension() != ".mid")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        MidiFile file = LoadMidiFile(bytes, player);
        if (file.playList.size() > densest.playList.size()) {
            densest = std::move(file);
            name = entry.path().filename().string();
        }
    }
    return densest;
}

// Plays the whole list page by page as the player does: a page turn, then
// one draw of the page; the figure per column is the time per drawn column.
void BM_DrawLiveNotesDenseFile(benchmark::State& state)
{
    static std::string name;
    static const MidiFile file = DensestOpenmsxFile(name);
    if (file.playList.empty()) {
        state.SkipWithError("no openmsx MIDI files (package openttd-openmsx)");
        return;
    }
    Model model;
    model.state.ComputeNotes();
    model.state.liveFlag = 1;
    SheetInstrument sheet;
    sheet.SetDefaults("P");
    sheet.playbackActive = true;
    InstrumBase base = BaseWithFont(0.5, 'e');
    StaffLayout layout = BuildSheetLines(sheet, model.state, model.speller, base);
    LiveStaff staff{file.playList, file.division, layout.columnCount, base, -1, model.speller, 0, 0};
    staff.layout = &layout;
    CountingSurface surface;
    long columns = 0;
    for (auto _ : state) {
        LiveSheet live;
        live.PreparePlayback(file.playList, 0, file.division);
        live.DrawLiveNotes(surface, staff, 0, true);
        for (;;) {
            live.DrawLiveNotes(surface, staff, live.PageStart(), false);
            columns += layout.columnCount - 4 - LiveSheet::kStartColumn;
            if (live.PageEnd() >= file.playList.size())
                break;
            live.DrawLiveNotes(surface, staff, live.PageEnd(), true);
        }
    }
    state.SetLabel(name + ", " + std::to_string(file.playList.size()) + " records");
    state.counters["per_column"] =
        benchmark::Counter(static_cast<double>(columns), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["calls"] = static_cast<double>(surface.calls) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_DrawLiveNotesDenseFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Identify over the shipped catalogues: building the pitch sets once (what
// every start of "morvix-cli identify" and the Identify window pay) and one
// search over 17 keys x every scale x every chord, for a triad, a seventh
// chord, a single note (the longest list), the same typed as names, and the
// whole chord catalogue.
#include <benchmark/benchmark.h>

#include <string>

#include "harmony/ChordCatalog.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/ModelState.h"
#include "harmony/NoteNameInput.h"
#include "harmony/NoteSpeller.h"
#include "harmony/PlayedNotes.h"
#include "harmony/ScaleCatalog.h"

namespace {

struct Catalogues {
    Catalogues()
    {
        scales.Load(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE");
        chords.Load(std::string(MORVIX_SOURCE_DIR) + "/res/CHORDS.USE");
    }
    CScaleCatalog scales;
    CChordCatalog chords;
};

const Catalogues& Shipped()
{
    static const Catalogues catalogues;
    return catalogues;
}

void BuildIdentifier(benchmark::State& state)
{
    for (auto _ : state) {
        CChordIdentifier identifier(Shipped().scales, Shipped().chords);
        benchmark::DoNotOptimize(identifier);
    }
}
BENCHMARK(BuildIdentifier)->Unit(benchmark::kMicrosecond);

void Search(benchmark::State& state, const PlayedNotes& played)
{
    CChordIdentifier identifier(Shipped().scales, Shipped().chords);
    std::size_t found = 0;
    for (auto _ : state) {
        found = identifier.Identify(played).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["results"] = static_cast<double>(found);
}

void IdentifyNotes(benchmark::State& state, const char* notes)
{
    Search(state, PlayedFromPitches(ReadNoteNames(notes).pitches));
}
BENCHMARK_CAPTURE(IdentifyNotes, triad, "C E G")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IdentifyNotes, seventh, "G B D F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IdentifyNotes, single_note, "C")->Unit(benchmark::kMicrosecond);

// Typed names, as morvix-cli identify takes them: every chord found is
// spelled as the model spells it to see whether it keeps the names.
void IdentifyTypedNames(benchmark::State& state, const char* notes)
{
    Search(state, PlayedFromNames(ReadNoteNames(notes).names));
}
BENCHMARK_CAPTURE(IdentifyTypedNames, triad, "C E G")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IdentifyTypedNames, seventh, "G B D F")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(IdentifyTypedNames, single_note, "C")->Unit(benchmark::kMicrosecond);

// Every chord of the catalogue in C major, as the model sounds it.
void IdentifyEveryCatalogueChord(benchmark::State& state)
{
    const Catalogues& shipped = Shipped();
    CNoteSpeller speller;
    CModelState model(speller, shipped.scales, shipped.chords);
    std::vector<PitchSet> chordTones;
    for (int chord = 1; chord < shipped.chords.Count(); ++chord) {
        if (!shipped.chords.IsChord(chord))
            continue;
        model.SetDefaults();
        model.SelectChord(chord);
        model.ComputeNotes();
        PitchSet set = 0;
        for (int i = 0; i < 12; ++i)
            if (!model.labels[static_cast<std::size_t>(i)].Empty())
                set |= PitchBit(i);
        chordTones.push_back(set);
    }
    CChordIdentifier identifier(shipped.scales, shipped.chords);
    for (auto _ : state)
        for (PitchSet set : chordTones)
            benchmark::DoNotOptimize(identifier.Identify(set).size());
    state.counters["chords"] = static_cast<double>(chordTones.size());
}
BENCHMARK(IdentifyEveryCatalogueChord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

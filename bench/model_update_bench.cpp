// The whole update of a model with six attached instruments after a chord
// choice: the model recomputes, every instrument recomputes its marks and
// rebuilds its text grid (on the headless ports nothing paints, so the
// rebuild stands for the core part of each redraw).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "app/ReferenceApp.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumDoc.h"
#include "platform/headless/HeadlessPorts.h"

namespace {

const char* const kSix[] = {"Guitar", "Guitar-12-String", "Cello", "Mandolin", "Soprano-Recorder", "Alto-Recorder"};

struct SixInstruments {
    SixInstruments()
    {
        home = std::filesystem::temp_directory_path() / "morvix-bench-model-update";
        std::filesystem::remove_all(home);
        std::filesystem::copy(std::filesystem::path(MORVIX_SOURCE_DIR) / "res", home,
                              std::filesystem::copy_options::recursive);
        app = std::make_unique<CReferenceApp>(ports.Get(), home.string());
        app->InitInstance({});
        model = app->Models().Primary();
        for (const char* name : kSix)
            if (auto* doc = dynamic_cast<CInstrumDoc*>(model->AddInstrument(app->Instruments().FindInstrument(name))))
                instruments.push_back(doc);
    }
    ~SixInstruments()
    {
        app.reset();
        std::filesystem::remove_all(home);
    }

    std::ostringstream out;
    HeadlessPorts ports{out};
    std::filesystem::path home;
    std::unique_ptr<CReferenceApp> app;
    CModelDoc* model = nullptr;
    std::vector<CInstrumDoc*> instruments;
};

void BM_ChordChoiceWithSixInstruments(benchmark::State& state)
{
    SixInstruments six;
    if (six.instruments.size() != 6) {
        state.SkipWithError("the six instruments did not open");
        return;
    }
    int chord = 0;
    for (auto _ : state) {
        six.model->SelectChord(1 + chord++ % 20);
        for (CInstrumDoc* doc : six.instruments)
            doc->BuildLines();
        benchmark::DoNotOptimize(six.instruments.back()->base.lineCount);
    }
}
BENCHMARK(BM_ChordChoiceWithSixInstruments)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

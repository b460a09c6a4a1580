// The whole update of a model after a change, on the Qt ports offscreen: the
// core work and then the instrument windows repainted at once. Six text
// instruments after a chord choice; an 88-key keyboard and a grand staff,
// each in its text and its graph view, after a key choice.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "BenchHome.h"
#include "app/ReferenceApp.h"
#include "harmony/Keys.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumDoc.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/QtPorts.h"

namespace {

const char* const kSix[] = {"Guitar", "Guitar-12-String", "Cello", "Mandolin", "Soprano-Recorder", "Alto-Recorder"};

void BM_ChordChoiceRepaintsSixInstruments(benchmark::State& state)
{
    QTemporaryDir home;
    CopyResources(home);
    QtPorts ports(home.path().toStdString());
    auto app = std::make_unique<CReferenceApp>(ports.Get(), home.path().toStdString());
    ports.Attach(*app);
    app->InitInstance({});
    CModelDoc* model = app->Models().Primary();
    for (const char* name : kSix)
        model->AddInstrument(app->Instruments().FindInstrument(name));
    std::vector<DrawingCanvas*> canvases;
    for (QMdiSubWindow* sub : ports.Windows().Widget().Area().subWindowList())
        if (auto* canvas = qobject_cast<DrawingCanvas*>(sub->widget()))
            canvases.push_back(canvas);
    if (canvases.size() != 6)
        state.SkipWithError("the six instrument windows did not open");
    ports.Windows().Widget().Area().tileSubWindows();
    QApplication::processEvents();
    int chord = 0;
    for (auto _ : state) {
        model->SelectChord(1 + chord++ % 20);
        for (DrawingCanvas* canvas : canvases)
            canvas->viewport()->repaint();
    }
    ports.Detach();
    app.reset();
}
BENCHMARK(BM_ChordChoiceRepaintsSixInstruments)->Unit(benchmark::kMicrosecond);

// One instrument window in a view style, maximised, after each key choice.
void RepaintAfterKeyChoice(benchmark::State& state, const char* name, char viewStyle)
{
    QTemporaryDir home;
    CopyResources(home);
    QtPorts ports(home.path().toStdString());
    auto app = std::make_unique<CReferenceApp>(ports.Get(), home.path().toStdString());
    ports.Attach(*app);
    app->InitInstance({});
    CModelDoc* model = app->Models().Primary();
    auto* doc = dynamic_cast<CInstrumDoc*>(model->AddInstrument(app->Instruments().FindInstrument(name)));
    QList<QMdiSubWindow*> subs = ports.Windows().Widget().Area().subWindowList();
    auto* canvas = subs.isEmpty() ? nullptr : qobject_cast<DrawingCanvas*>(subs.last()->widget());
    if (!doc || !canvas) {
        state.SkipWithError("the instrument window did not open");
        return;
    }
    doc->base.viewStyle = viewStyle;
    doc->UpdateAllViews();
    subs.last()->showMaximized();
    QApplication::processEvents();
    int key = 0;
    for (auto _ : state) {
        model->SelectKey(std::string(kKeyCommands[static_cast<std::size_t>(key++ % 17)].name));
        canvas->viewport()->repaint();
    }
    ports.Detach();
    app.reset();
}
BENCHMARK_CAPTURE(RepaintAfterKeyChoice, Piano88Text, "Piano-88", 't')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RepaintAfterKeyChoice, Piano88Graph, "Piano-88", 'g')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RepaintAfterKeyChoice, GrandStaffText, "Grand-Staff", 't')->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RepaintAfterKeyChoice, GrandStaffGraph, "Grand-Staff", 'g')->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

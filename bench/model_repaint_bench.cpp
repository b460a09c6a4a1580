// The whole update of a model with six attached instruments after a chord
// choice, on the Qt ports offscreen: the core work and then every
// instrument window repainted at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include "app/ReferenceApp.h"
#include "harmony/ModelDoc.h"
#include "platform/qt/DrawingCanvas.h"
#include "platform/qt/QtPorts.h"

namespace {

const char* const kSix[] = {"Guitar", "Guitar-12-String", "Cello", "Mandolin", "Soprano-Recorder", "Alto-Recorder"};

void BM_ChordChoiceRepaintsSixInstruments(benchmark::State& state)
{
    QTemporaryDir home;
    QDir res(QStringLiteral(MORVIX_SOURCE_DIR "/res"));
    for (const QString& name : res.entryList(QDir::Files))
        QFile::copy(res.filePath(name), QDir(home.path()).filePath(name));
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

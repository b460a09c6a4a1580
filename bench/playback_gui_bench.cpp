// Playback timing of the whole program on the Qt ports offscreen: a MIDI
// window plays a real file through the timing thread and the record backend
// while a keyboard, a guitar, a grand staff and a recorder follow it on the
// application's thread and the keyboard input window is open. Prints, as bench_playback_timing does, the
// lateness of every message against its ideal time from the file's tempo
// map (median, p99, maximum) and the drift.
//
// usage: bench_playback_gui [FILE] [--seconds N]
// FILE defaults to a dense file of the openmsx set; --seconds presses Stop
// after N seconds.
#include <QEventLoop>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "OffscreenProgram.h"
#include "PlaybackLateness.h"
#include "app/AppCommands.h"
#include "app/ReferenceApp.h"
#include "framework/DocTemplate.h"
#include "midi/MidiCommands.h"
#include "midi/MidiPlayer.h"

namespace {

const char* const kRecordPath = "/tmp/morvix-bench-playback-gui.txt";
const char* const kFollowers[] = {"Piano-88", "Guitar", "Grand-Staff", "Soprano-Recorder"};

// Each follower through its Instrument menu command, then the keyboard
// input window; false when one of them did not open a window.
bool AttachFollowers(CReferenceApp& app, QMdiArea& area)
{
    for (const char* name : kFollowers) {
        int entry = app.Instruments().FindInstrument(name);
        qsizetype before = area.subWindowList().size();
        if (entry < 0 || !app.RouteCommand(CInstrumentCatalog::kCommandBase + entry) ||
            area.subWindowList().size() != before + 1) {
            std::fprintf(stderr, "the %s window did not open\n", name);
            return false;
        }
    }
    qsizetype windows = area.subWindowList().size();
    if (!app.RouteCommand(ID_KEYBOARD_INPUT) || area.subWindowList().size() != windows + 1) {
        std::fprintf(stderr, "the keyboard input window did not open\n");
        return false;
    }
    return true;
}

// A file may come with notices, and a benchmark has nobody to read them:
// each is printed and answered OK.
void AnswerNotices(QTimer& timer)
{
    QObject::connect(&timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "notice: %s\n", qPrintable(box->text()));
            box->done(QMessageBox::Ok);
        }
    });
    timer.start(100);
}

// Opens the file in a MIDI window, shows all windows side by side, presses Play and, with a limit, Stop
// after it. The messages sent before Stop are the ones measured.
bool PlayInMidiWindow(CReferenceApp& app, QMdiArea& area, const TimingOptions& options, StartWatchClock& clock,
                      TimedMidiOut& output)
{
    QTimer notices;
    AnswerNotices(notices);
    bool opened = app.Template(kMidiTemplate)->OpenDocumentFile(options.path, true) != nullptr;
    notices.stop();
    if (!opened) {
        std::fprintf(stderr, "the MIDI window did not open %s\n", options.path.c_str());
        return false;
    }
    // Every window in sight, so every follower repaints in full.
    area.tileSubWindows();
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [&] {
        output.Freeze();
        app.RouteCommand(ID_MIDI_STOP);
    });
    if (options.seconds > 0)
        stop.start(static_cast<int>(options.seconds * 1000));
    clock.Arm();
    app.RouteCommand(ID_MIDI_PLAY);
    // The application's thread goes on drawing the followers until the playback is over.
    QTimer watch;
    QEventLoop loop;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!app.Player().Playing())
            loop.quit();
    });
    watch.start(50);
    loop.exec();
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    TimingOptions options = ReadTimingOptions(argc, argv);
    MidiFile file = LoadTimedFile(options.path);
    if (file.playList.empty() || file.division == 0) {
        std::fprintf(stderr, "cannot play %s\n", options.path.c_str());
        return 2;
    }
    OffscreenProgram program(argc, argv, kRecordPath);
    CReferenceApp& app = program.Start();
    StartWatchClock& clock = program.Clock();
    TimedMidiOut& output = program.Output();
    bool played = AttachFollowers(app, program.Area()) && PlayInMidiWindow(app, program.Area(), options, clock, output);
    std::optional<BenchClock::time_point> start = clock.Start();
    program.End();
    if (!played || !start)
        return 2;
    return PrintLateness(options.path, output.SentAt(), *start, IdealTimes(file.playList, file.division)) ? 0 : 2;
}

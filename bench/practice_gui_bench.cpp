// Timing of the sound loop and the ticks in the whole program on the Qt
// ports offscreen, under load: the loop plays sixteen notes a second with
// the ticks on the same beat, through the timing thread and the record
// backend, while a piano, a guitar, a grand staff and a recorder mark every
// note on the application's thread and busy threads keep every core
// working. Prints, as bench_playback_gui does, how late each message was
// sent against its time on the beat (median, p99, maximum) and the drift.
//
// usage: bench_practice_gui [--seconds N] [--busy N]
// --seconds: how long to play (20); --busy: threads spinning meanwhile
// (as many as the machine has cores).
#include <QEventLoop>
#include <QMdiArea>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "OffscreenProgram.h"
#include "PlaybackLateness.h"
#include "app/PracticeSounds.h"
#include "app/ReferenceApp.h"
#include "midi/PracticeSettings.h"

namespace {

const char* const kRecordPath = "/tmp/morvix-bench-practice-gui.txt";
const char* const kFollowers[] = {"Piano-88", "Guitar", "Grand-Staff", "Soprano-Recorder"};

struct PracticeOptions {
    double seconds = 20;
    unsigned busy = std::thread::hardware_concurrency();
};

PracticeOptions ReadOptions(int argc, char** argv)
{
    PracticeOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--seconds")
            options.seconds = std::atof(argv[i + 1]);
        else if (arg == "--busy")
            options.busy = static_cast<unsigned>(std::atoi(argv[i + 1]));
    }
    return options;
}

// The fastest the dialogs allow: sixteenth notes at 240, four to the bar.
PracticeSettings Fastest()
{
    PracticeSettings settings;
    settings.tempo = PracticeSettings::kFastest;
    settings.notesPerBeat = PracticeSettings::kMostNotesPerBeat;
    settings.beatsPerBar = 4;
    settings.showTick = true;
    return settings;
}

double SlotMs(const PracticeSettings& settings)
{
    return 60000.0 / settings.tempo / settings.notesPerBeat;
}

bool AttachFollowers(CReferenceApp& app, QMdiArea& area)
{
    for (const char* name : kFollowers) {
        int entry = app.Instruments().FindInstrument(name);
        if (entry < 0 || !app.RouteCommand(CInstrumentCatalog::kCommandBase + entry)) {
            std::fprintf(stderr, "the %s window did not open\n", name);
            return false;
        }
    }
    area.tileSubWindows();
    return true;
}

// Keeps a core busy until told to stop.
class BusyThreads {
public:
    explicit BusyThreads(unsigned count)
    {
        for (unsigned i = 0; i < count; ++i)
            threads_.emplace_back([this] {
                volatile double x = 1;
                while (!stop_)
                    x = std::sqrt(x + 1.0);
            });
    }
    ~BusyThreads()
    {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// Plays the loop and the ticks for the time asked, the windows following.
void Play(CReferenceApp& app, const PracticeOptions& options, StartWatchClock& clock, TimedMidiOut& output)
{
    BusyThreads busy(options.busy);
    clock.Arm();
    app.Practice().PlayLoop();
    app.Practice().PlayTicks();
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(options.seconds * 1000), &loop, [&] {
        output.Freeze();
        app.Practice().StopAll();
        loop.quit();
    });
    loop.exec();
}

// Each message's time on the beat: the slot of the loop nearest it.
std::vector<double> IdealOnTheBeat(const std::vector<BenchClock::time_point>& sentAt, BenchClock::time_point start,
                                   double slotMs)
{
    std::vector<double> ideal;
    for (const BenchClock::time_point& sent : sentAt) {
        const double ms = std::chrono::duration<double, std::milli>(sent - start).count();
        ideal.push_back(std::round(ms / slotMs) * slotMs);
    }
    return ideal;
}

}  // namespace

int main(int argc, char** argv)
{
    const PracticeOptions options = ReadOptions(argc, argv);
    OffscreenProgram program(argc, argv, kRecordPath);
    const PracticeSettings settings = Fastest();
    settings.Save(program.Settings());
    CReferenceApp& app = program.Start();
    StartWatchClock& clock = program.Clock();
    TimedMidiOut& output = program.Output();
    const bool attached = AttachFollowers(app, program.Area());
    if (attached)
        Play(app, options, clock, output);
    const std::optional<BenchClock::time_point> start = clock.Start();
    program.End();
    if (!attached || !start)
        return 2;
    std::printf("sound loop at %d beats per minute, %d notes a beat, with the ticks; %u busy threads\n",
                settings.tempo, settings.notesPerBeat, options.busy);
    const std::vector<BenchClock::time_point> sentAt = output.SentAt();
    return PrintLateness("practice", sentAt, *start, IdealOnTheBeat(sentAt, *start, SlotMs(settings))) ? 0 : 2;
}

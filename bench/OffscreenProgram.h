#pragma once
// The whole program on the Qt ports offscreen for the timing benchmarks:
// its own settings and home folder, its MIDI going to a record file through
// a clock and an output that note when playing starts and each message went.
#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "PlaybackLateness.h"
#include "app/ReferenceApp.h"
#include "platform/qt/QtPorts.h"

class QMdiArea;

class OffscreenProgram {
public:
    OffscreenProgram(int& argc, char** argv, const char* recordPath);
    ~OffscreenProgram() { End(); }
    OffscreenProgram(const OffscreenProgram&) = delete;
    OffscreenProgram& operator=(const OffscreenProgram&) = delete;

    // Started with the settings written so far, its main window 1600 x 1000.
    CReferenceApp& Start();
    CReferenceApp& App() { return *app_; }
    ISettings& Settings() { return *ports_->Get().settings; }
    QMdiArea& Area();
    StartWatchClock& Clock() { return *clock_; }
    TimedMidiOut& Output() { return *output_; }
    // The application ends before its ports let go of it.
    void End();

private:
    QTemporaryDir config_;
    std::unique_ptr<QApplication> qt_;
    QTemporaryDir home_;
    std::unique_ptr<QtPorts> ports_;
    std::unique_ptr<StartWatchClock> clock_;
    std::unique_ptr<TimedMidiOut> output_;
    std::unique_ptr<CReferenceApp> app_;
};

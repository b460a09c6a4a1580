#pragma once
// Clock and pacer: a pause runs a nested event loop, so commands and window
// messages go on being handled while MIDI playback waits.
#include <QElapsedTimer>

#include "framework/Services.h"

class QtClock : public IClock {
public:
    QtClock();
    std::int64_t NowMs() override;
    void PauseFor(int ms) override;
    // Once the application is ending, pauses return at once so that a
    // playback loop cannot keep the process alive.
    void Stop() { stopped_ = true; }

private:
    QElapsedTimer timer_;
    bool stopped_ = false;
};

#pragma once
// News of ALSA sequencer ports coming and going, read by socket notifiers
// of the event loop, so it arrives on the thread that runs the application.
#include <functional>

#include "platform/qt/ReadNotifiers.h"
#include "platform/sound/AlsaSequencerPorts.h"

class QtSequencerWatch {
public:
    // False, and nothing will be heard, without a sequencer.
    bool Start(std::function<void()> changed);

private:
    void ReadPending();

    AlsaSequencerWatch watch_;
    std::function<void()> changed_;
    ReadNotifiers notifiers_;
};

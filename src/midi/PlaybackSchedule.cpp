#include "midi/PlaybackSchedule.h"

double PlaybackSchedule::Pass(const MidiEvent& event)
{
    clock_.Pass(event);
    return Due();
}

void PlaybackSchedule::Restart(double startMs, double rate)
{
    segmentStart_ = clock_.Passed();
    startMs_ = startMs;
    rate_ = rate;
}

double PlaybackSchedule::Due() const
{
    return startMs_ + clock_.Ms(clock_.Passed() - segmentStart_) * rate_;
}

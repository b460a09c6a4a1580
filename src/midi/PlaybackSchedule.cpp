#include "midi/PlaybackSchedule.h"

double PlaybackSchedule::Pass(std::uint64_t ticks, const MidiEvent& event)
{
    clock_.Pass(ticks, event);
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

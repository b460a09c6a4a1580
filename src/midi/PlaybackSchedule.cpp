#include "midi/PlaybackSchedule.h"

void PlaybackSchedule::Restart(double startMs, double rate, unsigned division)
{
    startMs_ = startMs;
    rate_ = rate;
    division_ = division;
    tickMicros_ = 0;
}

double PlaybackSchedule::Advance(std::uint64_t delta, std::uint32_t tempo)
{
    tickMicros_ += static_cast<unsigned __int128>(delta) * tempo;
    return Due();
}

double PlaybackSchedule::Due() const
{
    if (division_ == 0)
        return startMs_;
    double musicalMs = static_cast<double>(tickMicros_ / division_) / 1000.0 +
                       static_cast<double>(tickMicros_ % division_) / division_ / 1000.0;
    return startMs_ + musicalMs * rate_;
}

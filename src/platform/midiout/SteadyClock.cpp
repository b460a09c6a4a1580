#include "platform/midiout/SteadyClock.h"

std::int64_t SteadyClock::NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

SteadyClock::TimePoint SteadyClock::At(double ms) const
{
    return start_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                        std::chrono::duration<double, std::milli>(ms));
}

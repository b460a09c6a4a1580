#include "platform/headless/SteadyClock.h"

#include <thread>

std::int64_t SteadyClock::NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

// Ends when NowMs() first reads ms more than it does now: waits land on the
// millisecond they were computed for, not up to a millisecond after it.
void SteadyClock::PauseFor(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_until(start_ + std::chrono::milliseconds(NowMs() + ms));
}

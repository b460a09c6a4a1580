#include "platform/headless/SteadyClock.h"

#include <thread>

std::int64_t SteadyClock::NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
}

void SteadyClock::PauseFor(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
}

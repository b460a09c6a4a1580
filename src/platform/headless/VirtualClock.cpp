#include "platform/headless/VirtualClock.h"

#include <algorithm>

void VirtualClock::PauseFor(int ms)
{
    std::int64_t deadline = now_ + std::max(ms, 0);
    if (hook_) {
        ++depth_;
        hook_(deadline);
        --depth_;
    }
    now_ = std::max(now_, deadline);
}

void VirtualClock::Advance(std::int64_t ms)
{
    now_ += std::max<std::int64_t>(ms, 0);
}

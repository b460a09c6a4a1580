#pragma once
// Real time for a headless playback: milliseconds since the clock was made,
// and pauses that sleep until a millisecond boundary.
#include <chrono>

#include "framework/Services.h"

class SteadyClock : public IClock {
public:
    std::int64_t NowMs() override;
    void PauseFor(int ms) override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

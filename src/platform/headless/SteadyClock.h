#pragma once
// Real time for a headless playback: pauses sleep until their deadline,
// measured from the pause's start, so that a late wake-up does not move the
// next one.
#include <chrono>

#include "framework/Services.h"

class SteadyClock : public IClock {
public:
    std::int64_t NowMs() override;
    void PauseFor(int ms) override;

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

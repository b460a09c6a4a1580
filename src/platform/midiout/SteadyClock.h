#pragma once
// Real time: milliseconds since the clock was made, on the steady clock the
// timing thread sleeps on, so due times mean the same to both.
#include <chrono>

#include "framework/Services.h"

class SteadyClock : public IClock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    std::int64_t NowMs() override;
    // The moment a due time of this clock names.
    TimePoint At(double ms) const;
    TimePoint Start() const { return start_; }

private:
    TimePoint start_ = std::chrono::steady_clock::now();
};

#pragma once
// Virtual time. A pause hands control to a hook (the script runner, which
// runs the following script lines meanwhile) and ends with the clock at
// the pause's deadline; without a hook the time simply jumps there.
#include <cstdint>
#include <functional>

#include "framework/Services.h"

class VirtualClock : public IClock {
public:
    // Given the deadline; may advance the time up to it, not past it.
    using PauseHook = std::function<void(std::int64_t deadline)>;

    std::int64_t NowMs() override { return now_; }
    void PauseFor(int ms) override;

    void Advance(std::int64_t ms);
    void SetPauseHook(PauseHook hook) { hook_ = std::move(hook); }
    int PauseDepth() const { return depth_; }

private:
    std::int64_t now_ = 0;
    PauseHook hook_;
    int depth_ = 0;
};

#pragma once
// Virtual time, and the timed sender that goes with it: time passes only
// when told to (a script's wait, a test), and as it passes, each message
// falls due on its millisecond, is sent and reported to its producer at
// once, in order. So a playback runs the same way every time, while the
// script's following lines run.
#include <cstdint>
#include <optional>

#include "framework/Services.h"
#include "framework/TimedQueue.h"

class VirtualClock : public IClock, public ITimedSender {
public:
    std::int64_t NowMs() override { return now_; }

    // Lets ms milliseconds pass, handling every message due meanwhile.
    void Advance(std::int64_t ms);
    // Handles what is due now.
    void RunDue() { Advance(0); }
    // Lets time pass until no message waits; false when that took more than
    // `limitMs` (a producer that never ends), the rest left waiting.
    bool RunUntilIdle(std::int64_t limitMs = kIdleLimitMs);
    bool Idle() const { return !queue_.Next(); }
    // The millisecond the next waiting message falls due; none when none waits.
    std::optional<std::int64_t> NextDueMs() const;

    int AddProducer(Sink sink, Progress progress) override;
    void RemoveProducer(int producer) override { queue_.Remove(producer); }
    void Schedule(int producer, std::span<const TimedMessage> messages) override;
    std::uint64_t Cancel(int producer) override { return queue_.Cancel(producer); }

    // A day of virtual time.
    static constexpr std::int64_t kIdleLimitMs = 24 * 3600 * 1000;

private:
    // Handles the earliest message if it is due by `until`; false when none is.
    bool HandleNext(std::int64_t until);

    std::int64_t now_ = 0;
    TimedQueue queue_;
};

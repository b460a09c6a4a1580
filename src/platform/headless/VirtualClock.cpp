#include "platform/headless/VirtualClock.h"

#include <algorithm>
#include <cmath>

namespace {

// A message is sent on the millisecond nearest its due time, as a wait
// rounded to whole milliseconds would send it.
std::int64_t DueMillisecond(double dueMs)
{
    return static_cast<std::int64_t>(std::llround(dueMs));
}

}  // namespace

void VirtualClock::Advance(std::int64_t ms)
{
    const std::int64_t until = now_ + std::max<std::int64_t>(ms, 0);
    while (HandleNext(until)) {
    }
    now_ = std::max(now_, until);
}

bool VirtualClock::RunUntilIdle(std::int64_t limitMs)
{
    const std::int64_t limit = now_ + limitMs;
    while (const auto next = queue_.Next()) {
        const std::int64_t due = std::max(now_, DueMillisecond(next->dueMs));
        if (due > limit)
            return false;
        Advance(due - now_);
    }
    return true;
}

std::optional<std::int64_t> VirtualClock::NextDueMs() const
{
    const auto next = queue_.Next();
    if (!next)
        return std::nullopt;
    return DueMillisecond(next->dueMs);
}

int VirtualClock::AddProducer(Sink sink, Progress progress)
{
    return queue_.Add(std::move(sink), std::move(progress));
}

void VirtualClock::Schedule(int producer, std::span<const TimedMessage> messages)
{
    queue_.Schedule(producer, messages);
}

// The producer hears of each message as soon as it is handled: it may
// schedule more, cancel, or go, so the queue is looked at afresh each time.
bool VirtualClock::HandleNext(std::int64_t until)
{
    const auto next = queue_.Next();
    if (!next || DueMillisecond(next->dueMs) > until)
        return false;
    now_ = std::max(now_, DueMillisecond(next->dueMs));
    queue_.HandleFirst(next->producer);
    if (const TimedQueue::SharedProgress progress = queue_.ProgressOf(next->producer))
        (*progress)(queue_.Handled(next->producer));
    return true;
}

#include "platform/midiout/CallQueue.h"

void CallQueue::Post(std::function<void()> call)
{
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    posted_.notify_one();
}

void CallQueue::RunUntil(const std::function<bool()>& done)
{
    RunFor(done, std::chrono::milliseconds::max());
}

bool CallQueue::RunFor(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto start = std::chrono::steady_clock::now();
    const auto end = limit == std::chrono::milliseconds::max() ? std::chrono::steady_clock::time_point::max()
                                                                : start + limit;
    while (!done()) {
        std::function<void()> call;
        {
            std::unique_lock lock(mutex_);
            if (!posted_.wait_until(lock, end, [this] { return !calls_.empty(); }))
                return done();
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
    return true;
}

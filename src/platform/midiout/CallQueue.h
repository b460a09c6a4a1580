#pragma once
// Calls posted from other threads, run on the thread that waits for them:
// the application's thread of a headless program playing in real time.
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class CallQueue {
public:
    void Post(std::function<void()> call);
    // Runs the posted calls as they come until `done` holds.
    void RunUntil(const std::function<bool()>& done);
    // The same, giving up after `limit`; whether `done` holds.
    bool RunFor(const std::function<bool()>& done, std::chrono::milliseconds limit);

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> calls_;
};

#pragma once
// The timing thread: sleeps until the next message falls due, sends it
// through its producer's sink, and tells the producer on the application's
// thread how far it got. It owns nothing but the messages it was given;
// what the windows show follows from those reports, posted to the
// application's thread, which may be busy drawing while messages go out on
// time.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "framework/Services.h"
#include "framework/TimedQueue.h"
#include "platform/midiout/SteadyClock.h"

class SenderThread : public ITimedSender {
public:
    // Runs a call on the application's thread, from any thread.
    using Post = std::function<void(std::function<void()>)>;

    SenderThread(const SteadyClock& clock, Post post);
    ~SenderThread() override;
    SenderThread(const SenderThread&) = delete;
    SenderThread& operator=(const SenderThread&) = delete;

    int AddProducer(Sink sink, Progress progress) override;
    void RemoveProducer(int producer) override;
    void Schedule(int producer, std::span<const TimedMessage> messages) override;
    std::uint64_t Cancel(int producer) override;

private:
    // What the thread and the reports posted by it share; a report that
    // arrives after the sender is gone finds nothing.
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        TimedQueue queue;
        // Producers with a report on its way: one is enough, it reads the count when it arrives.
        std::set<int> reporting;
        bool quit = false;
    };

    void Run();
    // Sends everything due, the lock held; the producers to report to.
    std::set<int> SendDue();
    void Report(const std::set<int>& producers);
    static void Deliver(const std::weak_ptr<Shared>& shared, int producer);

    const SteadyClock& clock_;
    Post post_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::thread thread_;
};

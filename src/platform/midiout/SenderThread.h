#pragma once
// The timing thread: sleeps until the next message falls due, sends it
// through its producer's sink, and has its producer told on the
// application's thread how far it got. It owns nothing but the messages it
// was given; what the windows show follows from those reports, which may
// wait while the application's thread is busy drawing, while the messages
// go out on time.
//
// The timing thread neither takes nor frees memory: a report is posted by a
// second thread of ordinary priority, since posting allocates, and an
// allocator held up by a busy thread would hold up the next note.
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "framework/Services.h"
#include "framework/TimedQueue.h"
#include "platform/midiout/PiMutex.h"
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
    // What the threads share; a report that arrives after the sender is gone finds nothing.
    struct Shared {
        PiMutex mutex;
        PiCondition messagesChanged;
        PiCondition producersMoved;
        TimedQueue queue;
        // Producers that moved on and have no report on its way yet; one
        // report is enough, it reads the count when it arrives.
        std::vector<int> toReport;
        std::vector<int> reporting;
        bool quit = false;
    };

    void Send();
    void Report();
    // Sends everything due, the lock held.
    void SendDue();
    static void Deliver(const std::weak_ptr<Shared>& shared, int producer);

    const SteadyClock& clock_;
    Post post_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::thread sender_;
    std::thread reporter_;
};

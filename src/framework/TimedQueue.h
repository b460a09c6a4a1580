#pragma once
// What a timed sender holds: each producer's messages in the order of their
// due times. Both senders (the timing thread, and headless the virtual
// clock) take them through this, so they order alike: earliest first, and
// of two due together, the producer added first. Taking a message frees no
// memory, so a timing thread never waits on the allocator: only Schedule,
// on the application's thread, grows or compacts a queue.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "framework/Services.h"

class TimedQueue {
public:
    struct Earliest {
        int producer = 0;
        double dueMs = 0;
    };
    using SharedProgress = std::shared_ptr<const ITimedSender::Progress>;

    int Add(ITimedSender::Sink sink, ITimedSender::Progress progress);
    void Remove(int producer);
    void Schedule(int producer, std::span<const TimedMessage> messages);
    // Drops the producer's waiting messages; how many it had handled.
    std::uint64_t Cancel(int producer);

    std::optional<Earliest> Next() const;
    // Takes the producer's first message: sends it through the producer's
    // sink unless it sends nothing, and counts it handled.
    void HandleFirst(int producer);
    std::uint64_t Handled(int producer) const;
    // The producer's progress callback, shared so that copying it takes no
    // memory; null once the producer is gone.
    SharedProgress ProgressOf(int producer) const;

private:
    struct Producer {
        int id = 0;
        ITimedSender::Sink sink;
        SharedProgress progress;
        std::vector<TimedMessage> messages;
        std::size_t first = 0;  // the first message not handled yet
        std::uint64_t handled = 0;
    };
    template <class Self>
    static auto Find(Self& self, int producer) -> decltype(self.producers_.data());

    std::vector<Producer> producers_;
    int nextId_ = 1;
};

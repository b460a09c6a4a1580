#include "framework/TimedQueue.h"

#include <algorithm>

int TimedQueue::Add(ITimedSender::Sink sink, ITimedSender::Progress progress)
{
    Producer& producer = producers_.emplace_back();
    producer.id = nextId_++;
    producer.sink = std::move(sink);
    producer.progress = std::move(progress);
    return producer.id;
}

void TimedQueue::Remove(int producer)
{
    std::erase_if(producers_, [producer](const Producer& p) { return p.id == producer; });
}

void TimedQueue::Schedule(int producer, std::span<const TimedMessage> messages)
{
    if (Producer* found = Find(producer))
        found->waiting.insert(found->waiting.end(), messages.begin(), messages.end());
}

std::uint64_t TimedQueue::Cancel(int producer)
{
    Producer* found = Find(producer);
    if (!found)
        return 0;
    found->waiting.clear();
    return found->handled;
}

std::optional<TimedQueue::Earliest> TimedQueue::Next() const
{
    std::optional<Earliest> earliest;
    for (const Producer& producer : producers_)
        if (!producer.waiting.empty() && (!earliest || producer.waiting.front().dueMs < earliest->dueMs))
            earliest = Earliest{producer.id, producer.waiting.front().dueMs};
    return earliest;
}

void TimedQueue::HandleFirst(int producer)
{
    Producer* found = Find(producer);
    if (!found || found->waiting.empty())
        return;
    const TimedMessage message = found->waiting.front();
    found->waiting.pop_front();
    if (message.send && found->sink)
        found->sink(message.message);
    ++found->handled;
}

std::uint64_t TimedQueue::Handled(int producer) const
{
    const Producer* found = Find(producer);
    return found ? found->handled : 0;
}

ITimedSender::Progress TimedQueue::ProgressOf(int producer) const
{
    const Producer* found = Find(producer);
    return found ? found->progress : ITimedSender::Progress();
}

TimedQueue::Producer* TimedQueue::Find(int producer)
{
    auto it = std::find_if(producers_.begin(), producers_.end(),
                           [producer](const Producer& p) { return p.id == producer; });
    return it == producers_.end() ? nullptr : &*it;
}

const TimedQueue::Producer* TimedQueue::Find(int producer) const
{
    return const_cast<TimedQueue*>(this)->Find(producer);
}

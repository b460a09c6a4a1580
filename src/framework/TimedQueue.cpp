#include "framework/TimedQueue.h"

#include <algorithm>

template <class Self>
auto TimedQueue::Find(Self& self, int producer) -> decltype(self.producers_.data())
{
    auto it = std::find_if(self.producers_.begin(), self.producers_.end(),
                           [producer](const Producer& p) { return p.id == producer; });
    return it == self.producers_.end() ? nullptr : &*it;
}

int TimedQueue::Add(ITimedSender::Sink sink, ITimedSender::Progress progress)
{
    Producer& producer = producers_.emplace_back();
    producer.id = nextId_++;
    producer.sink = std::move(sink);
    if (progress)
        producer.progress = std::make_shared<const ITimedSender::Progress>(std::move(progress));
    return producer.id;
}

void TimedQueue::Remove(int producer)
{
    std::erase_if(producers_, [producer](const Producer& p) { return p.id == producer; });
}

// The handled messages make room first, keeping the vector's memory.
void TimedQueue::Schedule(int producer, std::span<const TimedMessage> messages)
{
    Producer* found = Find(*this, producer);
    if (!found)
        return;
    found->messages.erase(found->messages.begin(),
                          found->messages.begin() + static_cast<std::ptrdiff_t>(found->first));
    found->first = 0;
    found->messages.insert(found->messages.end(), messages.begin(), messages.end());
}

std::uint64_t TimedQueue::Cancel(int producer)
{
    Producer* found = Find(*this, producer);
    if (!found)
        return 0;
    found->messages.clear();
    found->first = 0;
    return found->handled;
}

std::optional<TimedQueue::Earliest> TimedQueue::Next() const
{
    std::optional<Earliest> earliest;
    for (const Producer& producer : producers_) {
        if (producer.first == producer.messages.size())
            continue;
        const double due = producer.messages[producer.first].dueMs;
        if (!earliest || due < earliest->dueMs)
            earliest = Earliest{producer.id, due};
    }
    return earliest;
}

void TimedQueue::HandleFirst(int producer)
{
    Producer* found = Find(*this, producer);
    if (!found || found->first == found->messages.size())
        return;
    const TimedMessage& message = found->messages[found->first++];
    if (message.send && found->sink)
        found->sink(message.message);
    ++found->handled;
}

std::uint64_t TimedQueue::Handled(int producer) const
{
    const Producer* found = Find(*this, producer);
    return found ? found->handled : 0;
}

TimedQueue::SharedProgress TimedQueue::ProgressOf(int producer) const
{
    const Producer* found = Find(*this, producer);
    return found ? found->progress : nullptr;
}

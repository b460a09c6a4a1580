#include "platform/midiout/SenderThread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include <algorithm>

namespace {

// Just above every ordinary thread: a note is due now, whatever else the
// machine is busy with. Audio programs' timing threads run so too.
constexpr int kRealTimePriority = 10;

// Room for every producer there will be, so that noting one never allocates.
constexpr std::size_t kProducerRoom = 64;

// Where the system allows it (a user with real-time rights, as audio
// groups have); otherwise the thread stays an ordinary one.
void AskForRealTime()
{
    sched_param param{};
    param.sched_priority = kRealTimePriority;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

bool Holds(const std::vector<int>& producers, int producer)
{
    return std::find(producers.begin(), producers.end(), producer) != producers.end();
}

}  // namespace

SenderThread::SenderThread(const SteadyClock& clock, Post post) : clock_(clock), post_(std::move(post))
{
    shared_->toReport.reserve(kProducerRoom);
    shared_->reporting.reserve(kProducerRoom);
    sender_ = std::thread([this] { Send(); });
    reporter_ = std::thread([this] { Report(); });
}

SenderThread::~SenderThread()
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->quit = true;
    }
    shared_->messagesChanged.NotifyAll();
    shared_->producersMoved.NotifyAll();
    sender_.join();
    reporter_.join();
}

int SenderThread::AddProducer(Sink sink, Progress progress)
{
    std::lock_guard lock(shared_->mutex);
    return shared_->queue.Add(std::move(sink), std::move(progress));
}

void SenderThread::RemoveProducer(int producer)
{
    std::lock_guard lock(shared_->mutex);
    shared_->queue.Remove(producer);
    std::erase(shared_->toReport, producer);
    std::erase(shared_->reporting, producer);
}

void SenderThread::Schedule(int producer, std::span<const TimedMessage> messages)
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->queue.Schedule(producer, messages);
    }
    shared_->messagesChanged.NotifyAll();
}

// Messages are sent under the same lock, so none of the producer's goes
// out once this returns.
std::uint64_t SenderThread::Cancel(int producer)
{
    std::lock_guard lock(shared_->mutex);
    return shared_->queue.Cancel(producer);
}

void SenderThread::Send()
{
    // Wake-ups land on their due time, not up to the default 50 µs after it.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    AskForRealTime();
    std::unique_lock lock(shared_->mutex);
    while (!shared_->quit) {
        const auto next = shared_->queue.Next();
        if (!next) {
            shared_->messagesChanged.Wait(lock);
            continue;
        }
        const SteadyClock::TimePoint due = clock_.At(next->dueMs);
        if (std::chrono::steady_clock::now() < due) {
            shared_->messagesChanged.WaitUntil(lock, due);
            continue;
        }
        SendDue();
        if (!shared_->toReport.empty())
            shared_->producersMoved.NotifyOne();
    }
}

void SenderThread::SendDue()
{
    const auto now = std::chrono::steady_clock::now();
    while (const auto next = shared_->queue.Next()) {
        if (clock_.At(next->dueMs) > now)
            break;
        shared_->queue.HandleFirst(next->producer);
        if (!Holds(shared_->reporting, next->producer) && !Holds(shared_->toReport, next->producer))
            shared_->toReport.push_back(next->producer);
    }
}

void SenderThread::Report()
{
    std::vector<int> producers;
    producers.reserve(kProducerRoom);
    std::unique_lock lock(shared_->mutex);
    while (!shared_->quit) {
        if (shared_->toReport.empty()) {
            shared_->producersMoved.Wait(lock);
            continue;
        }
        producers.swap(shared_->toReport);
        shared_->reporting.insert(shared_->reporting.end(), producers.begin(), producers.end());
        lock.unlock();
        for (int producer : producers)
            post_([weak = std::weak_ptr<Shared>(shared_), producer] { Deliver(weak, producer); });
        producers.clear();
        lock.lock();
    }
}

void SenderThread::Deliver(const std::weak_ptr<Shared>& weak, int producer)
{
    const std::shared_ptr<Shared> shared = weak.lock();
    if (!shared)
        return;
    TimedQueue::SharedProgress progress;
    std::uint64_t handled = 0;
    {
        std::lock_guard lock(shared->mutex);
        std::erase(shared->reporting, producer);
        progress = shared->queue.ProgressOf(producer);
        handled = shared->queue.Handled(producer);
    }
    if (progress)
        (*progress)(handled);
}

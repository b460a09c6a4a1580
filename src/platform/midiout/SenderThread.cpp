#include "platform/midiout/SenderThread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

namespace {

// Just above every ordinary thread: a note is due now, whatever else the
// machine is busy with. Audio programs' timing threads run so too.
constexpr int kRealTimePriority = 10;

// Where the system allows it (a user with real-time rights, as audio
// groups have); otherwise the thread stays an ordinary one.
void AskForRealTime()
{
    sched_param param{};
    param.sched_priority = kRealTimePriority;
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

}  // namespace

SenderThread::SenderThread(const SteadyClock& clock, Post post)
    : clock_(clock), post_(std::move(post)), thread_([this] { Run(); })
{
}

SenderThread::~SenderThread()
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->quit = true;
    }
    shared_->wake.notify_all();
    thread_.join();
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
    shared_->reporting.erase(producer);
}

void SenderThread::Schedule(int producer, std::span<const TimedMessage> messages)
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->queue.Schedule(producer, messages);
    }
    shared_->wake.notify_all();
}

// Messages are sent under the same lock, so none of the producer's goes
// out once this returns.
std::uint64_t SenderThread::Cancel(int producer)
{
    std::lock_guard lock(shared_->mutex);
    return shared_->queue.Cancel(producer);
}

void SenderThread::Run()
{
    // Wake-ups land on their due time, not up to the default 50 µs after it.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    AskForRealTime();
    std::unique_lock lock(shared_->mutex);
    while (!shared_->quit) {
        const auto next = shared_->queue.Next();
        if (!next) {
            shared_->wake.wait(lock);
            continue;
        }
        const SteadyClock::TimePoint due = clock_.At(next->dueMs);
        if (std::chrono::steady_clock::now() < due) {
            shared_->wake.wait_until(lock, due);
            continue;
        }
        const std::set<int> moved = SendDue();
        lock.unlock();
        Report(moved);
        lock.lock();
    }
}

std::set<int> SenderThread::SendDue()
{
    std::set<int> moved;
    const auto now = std::chrono::steady_clock::now();
    while (const auto next = shared_->queue.Next()) {
        if (clock_.At(next->dueMs) > now)
            break;
        shared_->queue.HandleFirst(next->producer);
        if (shared_->reporting.insert(next->producer).second)
            moved.insert(next->producer);
    }
    return moved;
}

void SenderThread::Report(const std::set<int>& producers)
{
    for (int producer : producers)
        post_([weak = std::weak_ptr<Shared>(shared_), producer] { Deliver(weak, producer); });
}

void SenderThread::Deliver(const std::weak_ptr<Shared>& weak, int producer)
{
    const std::shared_ptr<Shared> shared = weak.lock();
    if (!shared)
        return;
    Progress progress;
    std::uint64_t handled = 0;
    {
        std::lock_guard lock(shared->mutex);
        shared->reporting.erase(producer);
        progress = shared->queue.ProgressOf(producer);
        handled = shared->queue.Handled(producer);
    }
    if (progress)
        progress(handled);
}

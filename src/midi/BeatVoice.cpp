#include "midi/BeatVoice.h"

#include "midi/SendAhead.h"

BeatVoice::BeatVoice(Ports ports) : ports_(ports)
{
    // The sink runs on the timing thread and touches only the output.
    producer_ = ports_.sender.AddProducer([this](std::uint32_t message) { ports_.output.Send(message); },
                                          [this](std::uint64_t handled) { Progress(handled); });
}

// A derived voice stops itself first, so that it hears of its end.
BeatVoice::~BeatVoice()
{
    ports_.sender.RemoveProducer(producer_);
    if (running_) {
        for (std::uint32_t off : played_.NoteOffs())
            ports_.output.Send(off);
        ports_.output.Release(this);
    }
}

bool BeatVoice::Start(const BeatGrid& grid, double firstBeat)
{
    if (running_ || !ports_.output.Hold(this))
        return false;
    running_ = true;
    processed_ = ports_.sender.Cancel(producer_);
    handed_.clear();
    played_.Clear();
    composed_.Clear();
    grid_ = grid;
    firstBeat_ = firstBeat;
    nextSlot_ = 0;
    lastPlayedSlot_ = -1;
    Began();
    HandOver();
    return true;
}

void BeatVoice::Stop()
{
    if (!running_)
        return;
    CatchUp(ports_.sender.Cancel(producer_));
    handed_.clear();
    for (std::uint32_t off : played_.NoteOffs())
        ports_.output.Send(off);
    played_.Clear();
    running_ = false;
    ports_.output.Release(this);
    Ended();
}

void BeatVoice::Retime(const BeatGrid& grid)
{
    if (!running_)
        return;
    TakeBack(grid.originBeat);
    grid_ = grid;
    HandOver();
}

std::int64_t BeatVoice::TakeBack(double keepBeforeBeat)
{
    CatchUp(ports_.sender.Cancel(producer_));
    std::deque<Handed> kept;
    while (!handed_.empty() &&
           (handed_.front().slot == lastPlayedSlot_ || SlotBeat(handed_.front().slot) < keepBeforeBeat)) {
        kept.push_back(handed_.front());
        handed_.pop_front();
    }
    if (!handed_.empty())
        nextSlot_ = handed_.front().slot;
    handed_ = std::move(kept);
    composed_ = played_;
    std::vector<TimedMessage> messages;
    for (const Handed& handed : handed_) {
        if (handed.message.send)
            composed_.Apply(handed.message.message);
        messages.push_back({handed.dueMs, handed.message.message, handed.message.send});
    }
    if (!messages.empty())
        ports_.sender.Schedule(producer_, messages);
    return nextSlot_;
}

// Every slot hands over at least one message, so that the sender reports
// it and the voice composes on.
void BeatVoice::HandOver()
{
    const double horizon = static_cast<double>(ports_.clock.NowMs()) + kSendAheadMs;
    std::vector<TimedMessage> messages;
    std::vector<Message> slot;
    while (handed_.empty() || grid_.TimeOf(SlotBeat(nextSlot_)) <= horizon) {
        const double due = grid_.TimeOf(SlotBeat(nextSlot_));
        slot.clear();
        Compose(nextSlot_, composed_, slot);
        if (slot.empty())
            slot.push_back({0, false});
        for (const Message& message : slot) {
            if (message.send)
                composed_.Apply(message.message);
            handed_.push_back({nextSlot_, message, due});
            messages.push_back({due, message.message, message.send});
        }
        ++nextSlot_;
    }
    if (!messages.empty())
        ports_.sender.Schedule(producer_, messages);
}

void BeatVoice::Progress(std::uint64_t handled)
{
    if (!running_)
        return;
    CatchUp(handled);
    if (running_)
        HandOver();
}

void BeatVoice::CatchUp(std::uint64_t handled)
{
    while (processed_ < handled && !handed_.empty()) {
        const Handed handed = handed_.front();
        handed_.pop_front();
        ++processed_;
        lastPlayedSlot_ = handed.slot;
        if (handed.message.send)
            played_.Apply(handed.message.message);
        Played(handed.slot, handed.message, handed.dueMs);
    }
}

#include "midi/PlaybackRun.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "midi/SendAhead.h"
#include "midi/ShortMessage.h"

namespace {

// Controller 123, All Notes Off.
constexpr std::uint32_t kAllNotesOff = 0xB0 | 123 << 8;

}  // namespace

PlaybackRun::PlaybackRun(PlaybackRequest request, Ports ports, std::uint64_t handled)
    : request_(std::move(request)), ports_(ports), next_(request_.first), processed_(handled)
{
    const MidiTimeBase base = request_.document ? MidiTimeBase::FromDivision(request_.document->division)
                                                : MidiTimeBase::Milliseconds();
    point_.schedule = PlaybackSchedule(base);
    // A sixth of a quarter note between highlight moves.
    if (request_.document)
        shownStep_ = std::max<std::uint64_t>(base.TicksPerQuarter() / 6, 1);
}

void PlaybackRun::Begin()
{
    if (request_.document)
        request_.document->tempo = kDefaultTempo;
    point_.schedule.Restart(Now(), Rate());
    FastForward();
    played_ = point_;
    lastDueMs_ = point_.schedule.Due();
    Fill();
}

double PlaybackRun::Pass(std::size_t index, bool& beyondShownStep)
{
    const MidiEvent& event = List()[index];
    const std::uint64_t delta = List().Delta(index);
    const bool sounding = IsSoundingNoteOn(event);
    beyondShownStep = sounding && point_.elapsedTicks + delta > point_.shownTick + shownStep_;
    point_.elapsedTicks += delta;
    if (sounding && point_.elapsedTicks > point_.shownTick + shownStep_)
        point_.shownTick = point_.elapsedTicks;
    return point_.schedule.Pass(delta, event);
}

// The records before the queued record's tick go at once: every message
// but the note ons that would sound (a note on of velocity 0 ends a note,
// so it goes too), and the settings they carry take hold. The first record
// after them waits its own delta from now.
void PlaybackRun::FastForward()
{
    const std::optional<std::uint64_t> queued =
        request_.document ? request_.document->QueuedTick() : std::nullopt;
    if (!queued)
        return;
    bool passed = false;
    for (; next_ < List().size() && List()[next_].time < *queued; ++next_) {
        const MidiEvent& event = List()[next_];
        bool beyond = false;
        Pass(next_, beyond);
        ApplySettings(event);
        if (IsSent(event) && !IsSoundingNoteOn(event))
            ports_.output.Send(PackShortMessage(event));
        passed = true;
    }
    if (passed)
        point_.schedule.Restart(Now(), Rate());
}

// Hands the sender every record due before the lookahead's end and the one
// after it; after the last record, the end.
void PlaybackRun::Fill()
{
    const double horizon = Now() + kSendAheadMs;
    std::vector<TimedMessage> messages;
    while (!endHanded_ && (handed_.empty() || lastDueMs_ <= horizon)) {
        if (next_ >= List().size()) {
            messages.push_back({lastDueMs_, 0, false});
            handed_.push_back({List().size(), lastDueMs_, false, point_});
            endHanded_ = true;
            break;
        }
        const MidiEvent& event = List()[next_];
        bool beyond = false;
        const double due = Pass(next_, beyond);
        if (rateAfterNext_) {
            point_.schedule.Restart(due, *rateAfterNext_);
            rateAfterNext_.reset();
        }
        messages.push_back({due, PackShortMessage(event), IsSent(event)});
        handed_.push_back({next_, due, beyond, point_});
        lastDueMs_ = due;
        ++next_;
    }
    if (!messages.empty())
        ports_.sender.Schedule(ports_.producer, messages);
}

void PlaybackRun::Follow(std::uint64_t handled)
{
    CatchUp(handled);
    Fill();
}

void PlaybackRun::CatchUp(std::uint64_t handled)
{
    while (processed_ < handled && !handed_.empty()) {
        const Handed handed = std::move(handed_.front());
        handed_.pop_front();
        ++processed_;
        played_ = handed.after;
        if (handed.index >= List().size())
            finished_ = true;
        else
            Play(handed);
    }
}

void PlaybackRun::Play(const Handed& handed)
{
    const MidiEvent& event = List()[handed.index];
    ApplySettings(event);
    if (request_.played)
        request_.played(handed.index);
    if (event.kind == MidiKind::SetTempo)
        return;
    if (ports_.host) {
        const bool endsMoment = handed.index + 1 >= List().size() || List()[handed.index + 1].time != event.time;
        ports_.host->RecordPlayed({event, std::llround(handed.dueMs), handed.beyondShownStep, endsMoment});
    }
    if (IsSoundingNoteOn(event))
        channelsPlayed_ |= static_cast<std::uint16_t>(1u << (event.channel & 0x0F));
}

// What a record tells the playing document and the model, when it is played
// or passed on the way to a queued record.
void PlaybackRun::ApplySettings(const MidiEvent& event)
{
    PlaybackSettings* document = request_.document;
    if (const auto tempo = TempoOf(event); tempo && document)
        document->tempo = *tempo;
    if (event.kind == MidiKind::TimeSignature && document && event.length() >= 4)
        std::copy_n(event.data.begin(), 4, document->timeSignature.begin());
    if (event.kind == MidiKind::KeySignature && ports_.host && event.length() >= 2)
        ports_.host->ApplyKeySignature(event.data[0], event.data[1]);
}

std::size_t PlaybackRun::FirstUnplayed() const
{
    return handed_.empty() ? std::min(next_, List().size()) : handed_.front().index;
}

// The records handed over and not yet played are taken back and handed
// over again from the first of them, which keeps its due time: a new rate
// holds after it. A queued record beyond it is jumped to now.
void PlaybackRun::Retime()
{
    if (!request_.document || finished_)
        return;
    CatchUp(ports_.sender.Cancel(ports_.producer));
    next_ = FirstUnplayed();
    handed_.clear();
    endHanded_ = false;
    point_ = played_;
    lastDueMs_ = point_.schedule.Due();
    rateAfterNext_.reset();
    const std::optional<std::uint64_t> queued = request_.document->QueuedTick();
    if (queued && next_ < List().size() && List()[next_].time < *queued) {
        Silence();
        FastForward();
        lastDueMs_ = point_.schedule.Due();
    } else if (Rate() != point_.schedule.Rate()) {
        rateAfterNext_ = Rate();
    }
    Fill();
}

PlaybackEnd PlaybackRun::Stop()
{
    CatchUp(ports_.sender.Cancel(ports_.producer));
    const PlaybackEnd end{finished_, finished_ ? List().size() : FirstUnplayed()};
    handed_.clear();
    return end;
}

void PlaybackRun::Silence()
{
    for (std::uint32_t channel = 0; channel < 16; ++channel)
        if (channelsPlayed_ & (1u << channel))
            ports_.output.Send(kAllNotesOff | channel);
    channelsPlayed_ = 0;
}

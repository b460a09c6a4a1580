#include "midi/MidiPlayer.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "midi/MidiTiming.h"
#include "midi/ShortMessage.h"

MidiPlayer::MidiPlayer(MidiPlayerPorts ports)
    : noteTable(BuildNoteTable()), programNames(BuildProgramNames()), ports_(ports)
{
}

bool MidiPlayer::OpenOutput()
{
    if (!ports_.output)
        return false;
    // A second open (Record pressed twice) reuses the device already open.
    return ports_.output->IsOpen() || ports_.output->Open();
}

void MidiPlayer::CloseOutput()
{
    if (ports_.output && ports_.output->IsOpen())
        ports_.output->Close();
}

void MidiPlayer::Send(std::uint32_t message)
{
    if (ports_.output && ports_.output->IsOpen())
        ports_.output->Send(message);
}

void MidiPlayer::SetHead(const MidiEventList* list, std::size_t first)
{
    list_ = list;
    head_ = first;
}

void MidiPlayer::DocumentClosed()
{
    cursor_.reset();
    current_ = nullptr;
}

MidiPlayer::Timing MidiPlayer::CurrentTiming(DeltaUnit unit) const
{
    if (unit == DeltaUnit::Milliseconds || !current_)
        return {};
    return {current_, current_->tempo, current_->division, current_->rate};
}

void MidiPlayer::PlayList(DeltaUnit unit)
{
    if (!list_ || !ports_.clock || playing_)
        return;
    playing_ = true;
    cursor_ = head_;
    Timing timing = CurrentTiming(unit);
    if (timing.document) {
        timing.document->tempo = kDefaultTempo;
        timing = CurrentTiming(unit);
    }
    shownStep_ = std::max<std::uint64_t>(timing.document ? timing.division / 6 : 1, 1);
    if (ports_.host)
        ports_.host->SetLive(true);
    elapsedTicks_ = 0;
    lastShownTick_ = 0;
    schedule_.Restart(Now(), timing.rate, timing.division);
    scheduledFor_ = timing.document;
    while (cursor_ && *cursor_ < list_->size()) {
        std::size_t index = *cursor_;
        if (!PlayRecord(index, CurrentTiming(unit)))
            break;
        if (cursor_)
            cursor_ = index + 1;
    }
    cursor_.reset();
    playing_ = false;
}

bool MidiPlayer::FastForwarding(const MidiEvent& event, const Timing& timing) const
{
    std::optional<std::uint64_t> queued = timing.document ? timing.document->QueuedTick() : std::nullopt;
    return queued && event.time < *queued;
}

bool MidiPlayer::PlayRecord(std::size_t index, const Timing& timing)
{
    const MidiEvent& event = (*list_)[index];
    // Another document, rate or division counts on from where the last record was due.
    if (timing.document != scheduledFor_ || timing.rate != schedule_.Rate() ||
        timing.division != schedule_.Division()) {
        schedule_.Rebase(timing.rate, timing.division);
        scheduledFor_ = timing.document;
    }
    bool noteOn = event.kind == MidiKind::NoteOn && event.length() >= 2 && event.data[1] != 0;
    bool beyondShownStep = noteOn && elapsedTicks_ + event.delta > lastShownTick_ + shownStep_;
    elapsedTicks_ += event.delta;
    if (noteOn && elapsedTicks_ > lastShownTick_ + shownStep_)
        lastShownTick_ = elapsedTicks_;

    if (event.kind == MidiKind::SetTempo) {
        // Its own delta passes at the tempo before it; no wait, nothing sent.
        schedule_.Advance(event.delta, timing.tempo);
        if (auto tempo = TempoOf(event); tempo && timing.document)
            timing.document->tempo = *tempo;
        return true;
    }
    if (event.kind == MidiKind::TimeSignature && timing.document && event.length() >= 4)
        std::copy_n(event.data.begin(), 4, timing.document->timeSignature.begin());
    if (event.kind == MidiKind::KeySignature && ports_.host && event.length() >= 2)
        ports_.host->ApplyKeySignature(event.data[0], event.data[1]);

    std::uint32_t message = PackShortMessage(event);
    if (FastForwarding(event, timing)) {
        if (event.kind != MidiKind::NoteOn && IsSent(event))
            Send(message);
        schedule_.Restart(Now(), timing.rate, timing.division);
        return true;
    }
    WaitUntilDue(schedule_.Advance(event.delta, timing.tempo));
    if (!cursor_)
        return false;
    if (ports_.host)
        ports_.host->RecordPlayed({event, ports_.clock->NowMs(), beyondShownStep});
    if (IsSent(event))
        Send(message);
    return true;
}

// The wait is the due time less the time now, so time spent drawing or
// sending never delays the records after it.
void MidiPlayer::WaitUntilDue(double dueMs)
{
    double wait = std::round(dueMs - Now());
    ports_.clock->PauseFor(static_cast<int>(std::clamp(wait, 0.0, static_cast<double>(INT_MAX))));
}

#include "midi/MidiPlayer.h"

#include "midi/MidiTiming.h"
#include "midi/PlaybackRun.h"

MidiPlayer::MidiPlayer(MidiPlayerPorts ports)
    : noteTable(BuildNoteTable()), programNames(BuildProgramNames()), ports_(ports), output_(ports.output)
{
    // The sink runs on the timing thread and touches only the output.
    if (ports_.sender)
        producer_ = ports_.sender->AddProducer([this](std::uint32_t message) { output_.Send(message); },
                                               [this](std::uint64_t handled) { Progress(handled); });
}

MidiPlayer::~MidiPlayer()
{
    if (ports_.sender)
        ports_.sender->RemoveProducer(producer_);
    if (run_) {
        run_->Silence();
        output_.Release(this);
    }
}

PlaybackStart MidiPlayer::Start(PlaybackRequest request)
{
    if (run_ || !request.list || (ports_.host && ports_.host->PlaybackRunning()))
        return PlaybackStart::Busy;
    const MidiTimeBase base = request.document ? MidiTimeBase::FromDivision(request.document->division)
                                               : MidiTimeBase::Milliseconds();
    if (!base.Timed())
        return PlaybackStart::Untimed;
    if (!ports_.clock || !ports_.sender || !output_.Hold(this))
        return PlaybackStart::NoOutput;
    if (request.document)
        current_ = request.document;
    if (ports_.host) {
        if (request.drivesModel)
            ports_.host->PreparePlayback(*request.list, 0, base.TicksPerQuarter());
        ports_.host->SetLive(true);
    }
    const std::uint64_t handled = ports_.sender->Cancel(producer_);
    run_ = std::make_unique<PlaybackRun>(
        std::move(request), PlaybackRun::Ports{output_, *ports_.clock, *ports_.sender, producer_, ports_.host},
        handled);
    run_->Begin();
    return PlaybackStart::Started;
}

void MidiPlayer::Stop()
{
    if (run_)
        End(run_->Stop());
}

const PlayList* MidiPlayer::PlayingList() const
{
    return run_ ? run_->Request().list : nullptr;
}

const PlaybackSettings* MidiPlayer::PlayingDocument() const
{
    return run_ ? run_->Request().document : nullptr;
}

void MidiPlayer::Retime()
{
    if (run_)
        run_->Retime();
}

void MidiPlayer::DocumentClosed(const PlaybackSettings* settings)
{
    if (run_ && run_->Request().document == settings)
        Stop();
    if (current_ == settings)
        current_ = nullptr;
}

void MidiPlayer::Progress(std::uint64_t handled)
{
    if (!run_)
        return;
    run_->Follow(handled);
    if (run_ && run_->Finished())
        End(run_->Stop());
}

// The player is idle before anyone hears of the end, so that the end may
// start the next playback.
void MidiPlayer::End(const PlaybackEnd& end)
{
    const std::unique_ptr<PlaybackRun> run = std::move(run_);
    run->Silence();
    output_.Release(this);
    if (ports_.host) {
        if (run->Request().drivesModel)
            ports_.host->FinishPlayback();
        else
            ports_.host->SetLive(false);
    }
    if (run->Request().ended)
        run->Request().ended(end);
}

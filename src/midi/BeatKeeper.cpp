#include "midi/BeatKeeper.h"

namespace {

// Holds the output open while a voice starts: a synthesizer takes a while
// to open, and the first beat is timed after that, not before.
class OpenOutput {
public:
    explicit OpenOutput(MidiOutput& output) : output_(output), open_(output.Hold(this)) {}
    ~OpenOutput()
    {
        if (open_)
            output_.Release(this);
    }
    OpenOutput(const OpenOutput&) = delete;
    OpenOutput& operator=(const OpenOutput&) = delete;
    bool IsOpen() const { return open_; }

private:
    MidiOutput& output_;
    bool open_;
};

}  // namespace

SoundLoop::Outcome BeatKeeper::StartLoop(const PracticeSettings& settings)
{
    loop_.Stop();
    const OpenOutput open(output_);
    if (!open.IsOpen())
        return SoundLoop::Outcome::NoOutput;
    const Entry entry = JoinAt(ticks_, settings.tempo);
    return loop_.Start(entry.grid, entry.beat, {settings.pattern, settings.notesPerBeat});
}

bool BeatKeeper::StartTicks(const PracticeSettings& settings)
{
    ticks_.Stop();
    const OpenOutput open(output_);
    if (!open.IsOpen())
        return false;
    const Entry entry = JoinAt(loop_, settings.tempo);
    return ticks_.Start(entry.grid, entry.beat, settings.beatsPerBar);
}

void BeatKeeper::StopAll()
{
    loop_.Stop();
    ticks_.Stop();
}

BeatKeeper::Entry BeatKeeper::JoinAt(BeatVoice& other, int tempo)
{
    const double now = static_cast<double>(clock_.NowMs());
    if (!other.Running())
        return {BeatGrid::StartingAt(now, tempo), 0};
    const BeatGrid& grid = other.Grid();
    const double beat = grid.BeatAtOrAfter(now);
    if (grid.beatMs == BeatGrid::BeatMs(tempo))
        return {grid, beat};
    const BeatGrid changed = grid.ChangedAt(beat, tempo);
    other.Retime(changed);
    return {changed, beat};
}

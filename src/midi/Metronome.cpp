#include "midi/Metronome.h"

#include <algorithm>

#include "midi/ShortMessage.h"

namespace {

constexpr std::uint32_t kNoteOn = 0x90 | kPercussionChannel;
constexpr std::uint32_t kNoteOff = 0x80 | kPercussionChannel;

}  // namespace

bool Metronome::Start(const BeatGrid& grid, double firstBeat, int beatsPerBar)
{
    beatsPerBar_ = std::max(beatsPerBar, 1);
    return BeatVoice::Start(grid, firstBeat);
}

// Slot 2n is the click of beat n, slot 2n + 1 its end.
void Metronome::Compose(std::int64_t slot, const SoundingNotes&, std::vector<Message>& out)
{
    const bool accent = (slot / 2) % beatsPerBar_ == 0;
    const int note = accent ? kAccentNote : kBeatNote;
    if (slot % 2 == 0)
        out.push_back({ShortMessage(kNoteOn, note, accent ? kAccentVelocity : kBeatVelocity)});
    else
        out.push_back({ShortMessage(kNoteOff, note, 0)});
}

void Metronome::Played(std::int64_t slot, const Message&, double)
{
    Show(slot % 2 == 0 ? static_cast<int>((slot / 2) % beatsPerBar_) + 1 : 0);
}

void Metronome::Ended()
{
    Show(0);
}

void Metronome::Show(int beat)
{
    if (shown_)
        shown_(beat, beatsPerBar_);
}

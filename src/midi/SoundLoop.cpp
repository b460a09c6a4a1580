#include "midi/SoundLoop.h"

#include <algorithm>
#include <cmath>

#include "midi/NoteMessage.h"
#include "midi/ShortMessage.h"

namespace {

constexpr std::uint32_t kPianoOnFirstChannel = 0xC0;

}  // namespace

SoundLoop::Outcome SoundLoop::Start(const BeatGrid& grid, double firstBeat, LoopChoice choice)
{
    const std::optional<ModelNotes> notes = host_.LoopNotes();
    if (!notes)
        return Outcome::NoModel;
    choice.notesPerBeat = std::max(choice.notesPerBeat, 1);
    choice_ = choice;
    steps_ = StepsOf(*notes);
    firstStepSlot_ = 0;
    return BeatVoice::Start(grid, firstBeat) ? Outcome::Started : Outcome::NoOutput;
}

std::vector<LoopStep> SoundLoop::StepsOf(const ModelNotes& notes) const
{
    return LoopSteps(notes, choice_.pattern, choice_.notesPerBeat);
}

void SoundLoop::ModelChanged()
{
    if (!Running())
        return;
    const std::optional<ModelNotes> notes = host_.LoopNotes();
    if (!notes) {
        Stop();
        return;
    }
    std::vector<LoopStep> steps = StepsOf(*notes);
    if (steps == steps_)
        return;
    firstStepSlot_ = TakeBack(kKeepNone);
    steps_ = std::move(steps);
    HandOver();
}

// The notes of the step before end as the step's own begin, so a note
// played twice in a row is heard twice.
void SoundLoop::Compose(std::int64_t slot, const SoundingNotes& before, std::vector<Message>& out)
{
    if (slot == 0)
        out.push_back({kPianoOnFirstChannel});
    const auto count = static_cast<std::int64_t>(steps_.size());
    const LoopStep* step =
        count ? &steps_[static_cast<std::size_t>(((slot - firstStepSlot_) % count + count) % count)] : nullptr;
    if (step && step->held)
        return;
    for (std::uint32_t off : before.NoteOffs())
        out.push_back({off});
    if (step)
        for (int note : step->notes)
            out.push_back({ShortMessage(0x90, note, kVelocity)});
}

void SoundLoop::Played(std::int64_t, const Message& message, double dueMs)
{
    if (const std::optional<NoteMessage> note = DecodeNoteMessage(message.message))
        host_.LoopNote(note->note, note->on, std::llround(dueMs));
}

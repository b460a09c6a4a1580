#include "midi/SoundLoopPattern.h"

#include <algorithm>

namespace {

LoopStep Single(int note)
{
    return LoopStep{{note}, false};
}

std::vector<LoopStep> ScaleSteps(int tonicNote, std::vector<int> tones, LoopPattern pattern)
{
    tones.push_back(12);
    std::vector<LoopStep> steps;
    if (pattern == LoopPattern::Down) {
        for (auto it = tones.rbegin(); it != tones.rend(); ++it)
            steps.push_back(Single(tonicNote + *it - 12));
        return steps;
    }
    for (int tone : tones)
        steps.push_back(Single(tonicNote + tone));
    // Down again without playing the top or the tonic twice in a row.
    if (pattern == LoopPattern::UpAndDown)
        for (std::size_t i = tones.size() - 1; i-- > 1;)
            steps.push_back(Single(tonicNote + tones[i]));
    return steps;
}

std::vector<LoopStep> ChordSteps(int tonicNote, const std::vector<int>& tones, LoopPattern pattern,
                                 int notesPerBeat)
{
    std::vector<int> notes;
    for (int tone : tones)
        notes.push_back(tonicNote + tone);
    std::vector<LoopStep> steps;
    if (pattern == LoopPattern::Down) {
        for (auto it = notes.rbegin(); it != notes.rend(); ++it)
            steps.push_back(Single(*it));
    } else {
        for (int note : notes)
            steps.push_back(Single(note));
        if (pattern == LoopPattern::UpAndDown)
            for (std::size_t i = notes.size() - 1; i-- > 1;)
                steps.push_back(Single(notes[i]));
    }
    steps.push_back(LoopStep{notes, false});
    for (int i = 1; i < notesPerBeat; ++i)
        steps.push_back(LoopStep{{}, true});
    return steps;
}

}  // namespace

int TonicNote(int tonic)
{
    const int pitchClass = ((tonic % 12) + 12) % 12;
    return pitchClass <= 6 ? 60 + pitchClass : 48 + pitchClass;
}

std::vector<LoopStep> LoopSteps(const ModelNotes& notes, LoopPattern pattern, int notesPerBeat)
{
    if (notes.offsets.empty())
        return {};
    std::vector<int> tones = notes.offsets;
    std::sort(tones.begin(), tones.end());
    tones.erase(std::unique(tones.begin(), tones.end()), tones.end());
    const int tonicNote = TonicNote(notes.tonic);
    if (notes.chord)
        return ChordSteps(tonicNote, tones, pattern, std::max(notesPerBeat, 1));
    std::erase_if(tones, [](int tone) { return tone < 0 || tone >= 12; });
    return ScaleSteps(tonicNote, tones, pattern);
}

#include "harmony/PlayedNotes.h"

#include <algorithm>

#include "harmony/IntervalSpelling.h"
#include "harmony/NoteNameInput.h"

PitchSet PlayedNotes::Pitches() const
{
    PitchSet set = 0;
    for (int pitchClass : pitchClasses)
        set |= PitchBit(pitchClass);
    return set;
}

std::string PlayedNotes::Text() const
{
    std::string text;
    for (int pitchClass : pitchClasses) {
        auto typed = std::find_if(typedNames.begin(), typedNames.end(),
                                  [&](const std::string& name) { return PitchClassOfName(name) == pitchClass; });
        if (!text.empty())
            text += ' ';
        text += typed != typedNames.end() ? *typed : std::string(PlainNoteName(pitchClass));
    }
    return text;
}

void PlayedNotes::Toggle(int pitchClass)
{
    auto at = std::find(pitchClasses.begin(), pitchClasses.end(), pitchClass);
    if (at == pitchClasses.end()) {
        pitchClasses.push_back(pitchClass);
        return;
    }
    pitchClasses.erase(at);
    std::erase_if(typedNames, [&](const std::string& name) { return PitchClassOfName(name) == pitchClass; });
}

void PlayedNotes::Add(int pitchClass)
{
    if (std::find(pitchClasses.begin(), pitchClasses.end(), pitchClass) == pitchClasses.end())
        pitchClasses.push_back(pitchClass);
}

void PlayedNotes::PutFirst(int pitchClass)
{
    std::erase(pitchClasses, pitchClass);
    pitchClasses.insert(pitchClasses.begin(), pitchClass);
}

PlayedNotes PlayedFromPitches(PitchSet set)
{
    PlayedNotes played;
    for (int p = 0; p < 12; ++p)
        if (set & PitchBit(p))
            played.pitchClasses.push_back(p);
    return played;
}

PlayedNotes PlayedFromNoteNumbers(const std::vector<int>& notes)
{
    PlayedNotes played;
    for (int note : notes)
        played.Add(((note % 12) + 12) % 12);
    return played;
}

PlayedNotes PlayedFromNames(const std::vector<std::string>& names)
{
    PlayedNotes played;
    for (const std::string& name : names) {
        int pitchClass = ParseNoteName(name);
        if (pitchClass < 0)
            continue;
        played.Add(pitchClass);
        played.typedNames.push_back(WrittenNoteName(name));
    }
    return played;
}

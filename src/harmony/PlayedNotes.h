#pragma once
// Notes entered to be named: their pitch classes in the order they came (the
// first is the note the chord is heard over) and, when they were typed, the
// names the user wrote, which an answer keeps where they spell its chord.
#include <string>
#include <vector>

#include "harmony/PitchSet.h"

struct PlayedNotes {
    std::vector<int> pitchClasses;       // each once, in the order entered
    std::vector<std::string> typedNames; // as typed, octave dropped, letter in capitals

    PitchSet Pitches() const;
    // The pitch class entered first, or -1.
    int First() const { return pitchClasses.empty() ? -1 : pitchClasses.front(); }
    // The notes in their order, each by its typed name or else its plain one.
    std::string Text() const;

    // A note not entered yet comes last; one entered is taken away, with
    // any name typed for it.
    void Toggle(int pitchClass);
    void Add(int pitchClass);
    // Adds the note, or moves it, to the front: a new lowest note.
    void PutFirst(int pitchClass);
};

// Notes from C upwards, the order of a set that has none.
PlayedNotes PlayedFromPitches(PitchSet set);
// Notes sounding, by their MIDI note numbers lowest first: the lowest is
// the note the chord is heard over, the others follow upwards.
PlayedNotes PlayedFromNoteNumbers(const std::vector<int>& notes);
// Notes as typed; names that are not note names are left out.
PlayedNotes PlayedFromNames(const std::vector<std::string>& names);

#pragma once
// What the sound loop plays of a model: its scale from the tonic next to
// middle C, or its chord arpeggiated and then struck together. Plain
// functions of the model's notes and the pattern chosen.
#include <vector>

enum class LoopPattern { UpAndDown = 0, Up = 1, Down = 2 };

// The primary model's notes as the loop takes them.
struct ModelNotes {
    int tonic = 0;  // pitch class of the key
    // Semitones above the tonic, lowest first: the scale's tones within its
    // octave, or the chord's tones over the model's two octaves.
    std::vector<int> offsets;
    bool chord = false;

    friend bool operator==(const ModelNotes&, const ModelNotes&) = default;
};

// One step of the loop: the notes that sound from it to the next step. A
// held step sends nothing, so the notes before it sound on.
struct LoopStep {
    std::vector<int> notes;  // MIDI note numbers
    bool held = false;

    friend bool operator==(const LoopStep&, const LoopStep&) = default;
};

// The MIDI note of the tonic nearest middle C (60); F#, a tritone away
// either side, is taken above it.
int TonicNote(int tonic);

// One round of the loop, a step per note. A scale goes up to the octave
// and back (Up ends on the octave, Down goes from the tonic down to the
// octave below); a chord is arpeggiated the same ways and then struck, the
// struck chord lasting a whole beat of `notesPerBeat` steps.
std::vector<LoopStep> LoopSteps(const ModelNotes& notes, LoopPattern pattern, int notesPerBeat);

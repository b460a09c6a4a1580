#pragma once
// Which label each key of a keyboard carries: the live mark of its note
// while a MIDI file plays, else the model's chord cells when the chord
// reaches into its upper octave, else the model's scale labels.
#include <string_view>

#include "instruments/NoteSources.h"

class CNoteSpeller;
struct KeyboardInstrument;

class KeyboardLabels {
public:
    // firstOffset: semitones from the tonic to the first key (the label
    // offset); octave: the first key's octave, for the live marks.
    KeyboardLabels(const NoteSources& sources, int firstOffset, int octave);

    std::string_view LabelOf(int key) const;

private:
    const NoteSources& sources_;
    int offset_;
    int chordOffset_;
    int firstPitch_;
    int octave_;
};

// Where the text view lays out its first key: the layout row (pitch class
// the key is drawn as) and its label offset from the tonic, always the same
// note. With position 's' the first key is the keyboard's first note; with
// 'm' the keyboard moves with the tonic.
struct KeyboardStart {
    int layoutRow = 0;
    int labelOffset = 0;
};
KeyboardStart FindKeyboardStart(const KeyboardInstrument& keyboard, int tonic, const CNoteSpeller& speller);

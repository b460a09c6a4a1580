#pragma once
// Where an instrument finds the label of a note: the model's labels in the
// instrument's own notation, the chord's two-octave span, or, while a MIDI
// file plays into the model, the marks of the sounding notes.
#include <array>
#include <string_view>

#include "harmony/NoteCell.h"

class CModelState;

// One mark per MIDI note number; all empty when nothing plays.
using NoteMarks = std::array<NoteCell, 128>;

struct NoteSources {
    NoteRow labels{};
    NoteSpan span{};
    int tonic = 0;
    char chordset = 'c';
    bool twoOctave = false;  // the chord has a tone only in its upper octave
    bool live = false;
    const NoteMarks* marks = nullptr;

    // The model's label of the note `pitch` semitones above C in `octave`:
    // from labels by pitch class or, in two-octave mode, from the span cell
    // that the octave's parity and the chord set select.
    std::string_view ModelLabel(long long octave, long long pitch) const;
    // The live mark of the note 12 x octave + pitch; empty outside 0..127. A
    // mark blanked when its note stopped reads as empty.
    std::string_view LiveMark(long long octave, long long pitch) const;
    // What a position of an instrument shows: its live mark during playback,
    // else the model's label.
    std::string_view Shown(long long octave, long long pitch) const
    {
        return live ? LiveMark(octave, pitch) : ModelLabel(octave, pitch);
    }
};

// Labels the model's notes with notation (chord tones by name or interval
// number as chordTones says) and collects what drawing needs. The model
// relabels into its span, so it is taken as writable.
NoteSources GatherNoteSources(CModelState& model, char notation, char chordTones, char chordset,
                              const NoteMarks& marks);

// a mod m in 0..m-1 for any sign of a.
int FloorMod(long long a, int m);

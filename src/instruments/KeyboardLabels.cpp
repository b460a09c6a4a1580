#include "instruments/KeyboardLabels.h"

#include "harmony/NoteSpeller.h"
#include "instruments/KeyboardInstrument.h"

KeyboardLabels::KeyboardLabels(const NoteSources& sources, int firstOffset, int octave)
    : sources_(sources),
      offset_(FloorMod(firstOffset, 12)),
      chordOffset_(offset_ + (sources.chordset == 's' ? 12 : 0)),
      firstPitch_(FloorMod(sources.tonic + firstOffset, 12)),
      octave_(octave)
{
}

// Live marks are looked up by the key's own MIDI note (12 x octave + pitch),
// so a sounding note lights the key that plays it.
std::string_view KeyboardLabels::LabelOf(int key) const
{
    if (sources_.live)
        return sources_.LiveMark(octave_, firstPitch_ + key);
    if (sources_.twoOctave)
        return sources_.span[static_cast<std::size_t>((chordOffset_ + key) % 24)].Text();
    return sources_.labels[static_cast<std::size_t>((offset_ + key) % 12)].Text();
}

// Every key is drawn as the note its label names: a keyboard from A starts
// with an A key, and a moving keyboard's keys move with their labels.
KeyboardStart FindKeyboardStart(const KeyboardInstrument& keyboard, int tonic, const CNoteSpeller& speller)
{
    NotePosition first;
    if (!speller.FindName(keyboard.tuning.Text(), first))
        first.pitchClass = 0;
    if (keyboard.position == 'm') {
        int octaves = keyboard.keyCount / 12;
        return {FloorMod(tonic - octaves, 12), FloorMod(-octaves, 12)};
    }
    return {first.pitchClass, FloorMod(first.pitchClass - tonic, 12)};
}

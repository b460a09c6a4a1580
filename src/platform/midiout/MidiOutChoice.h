#pragma once
// Which MIDI output the program uses: MORVIX_MIDI_OUT, else the "MidiOut"
// value of the "Settings" section, else "fluidsynth".
//   fluidsynth         FluidSynth in the process, to the sound server
//   alsa:CLIENT:PORT   the ALSA sequencer port
//   null               nothing sounds
//   record:PATH        one line per message: milliseconds and hex message
//   wav:PATH           FluidSynth rendered into a WAV file on the clock's time
// null and record: are plain code; the synthesizer outputs (fluidsynth, wav:,
// alsa:) come from a factory, linked in or loaded when first needed.
#include <functional>
#include <memory>
#include <string>

#include "framework/Services.h"

class ISettings;

// Makes a synthesizer output for its choice; null when it cannot.
using SynthOutputFactory = std::function<std::unique_ptr<IMidiOut>(const std::string& choice, IClock& clock)>;

std::string ChosenMidiOut(ISettings* settings);
// The SoundFont of the synthesizer outputs: MORVIX_SOUNDFONT, else the
// "SoundFont" value of the "Settings" section; empty for the default.
std::string ChosenSoundFont(ISettings* settings);
// Null, with error set, for a choice that names no output or one whose
// synthesizer cannot be had.
std::unique_ptr<IMidiOut> MakeMidiOut(const std::string& choice, IClock& clock, const SynthOutputFactory& synth,
                                      std::string& error);
// record:, wav: and null need no real time: they can play on a virtual clock.
bool PlaysOnVirtualTime(const std::string& choice);

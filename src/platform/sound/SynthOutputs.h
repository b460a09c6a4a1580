#pragma once
// The outputs that need FluidSynth or ALSA: fluidsynth, wav:PATH and
// alsa:CLIENT:PORT, and what the Sound Settings dialog asks of them (the
// sequencer's ports, the SoundFonts). Linked into the desktop program;
// morvix-cli loads them from the module libmorvix_synth.so (found through
// its RUNPATH) only when one is chosen, so that its other subcommands do
// not start with FluidSynth's libraries.
#include <memory>
#include <string>

#include "framework/Services.h"
#include "platform/midiout/MidiDevices.h"
#include "platform/midiout/SynthModuleAbi.h"

// Null for any other choice. soundFont: empty for the default.
std::unique_ptr<IMidiOut> MakeSynthOutput(const std::string& choice, const std::string& soundFont, IClock& clock);
// MakeSynthOutput with one SoundFont, for MakeMidiOut.
SynthOutputFactory SynthFactory(const std::string& soundFont = {});
// Everything linked in, without a watch on the sequencer's ports.
SynthBackend LinkedSynthBackend();

#pragma once
// The outputs that need FluidSynth or ALSA: fluidsynth, wav:PATH and
// alsa:CLIENT:PORT. Linked into the desktop program; morvix-cli loads them
// from the module libmorvix_synth.so (found through its RUNPATH) only when
// one is chosen, so that its other subcommands do not start with
// FluidSynth's libraries.
#include <memory>
#include <string>

#include "framework/Services.h"

// Null for any other choice.
std::unique_ptr<IMidiOut> MakeSynthOutput(const std::string& choice, IClock& clock);

// The module's entry: a new output (the caller owns it) or null.
extern "C" IMidiOut* morvix_make_synth_output(const char* choice, IClock* clock);

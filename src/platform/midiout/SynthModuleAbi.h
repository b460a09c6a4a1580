#pragma once
// The entries of the synthesizer module libmorvix_synth.so, as the module
// (platform/sound/SynthOutputs.cpp) defines them and SynthModule finds
// them: plain C data, and the output interface built from the same
// sources. A made output is owned by the caller.
#include "framework/Services.h"

extern "C" {
struct MorvixSequencerPort {
    int client;
    int port;
    const char* clientName;
    const char* portName;
    int takesNotes;
    int ownProcess;
};
IMidiOut* morvix_make_synth_output(const char* choice, const char* soundFont, IClock* clock);
void morvix_list_sequencer_ports(void (*each)(void* context, const MorvixSequencerPort* port), void* context);
// Writes why the file is no SoundFont into problem (NUL-terminated); 0 when it is one.
int morvix_soundfont_problem(const char* path, char* problem, int size);
// Writes the default SoundFont's path into path; 0 when there is none.
int morvix_default_soundfont(char* path, int size);
}

#pragma once
// Command ids of an audio window's Player popup. Play, Stop and Rewind are
// the MIDI window's ids; Resume has an id of its own.
#include "midi/MidiCommands.h"

enum AudioCommand {
    ID_AUDIO_PAUSE = 178,
    ID_AUDIO_RESUME = 179,
    ID_AUDIO_LOOP = 184,
    ID_AUDIO_PLAY_FILE = 175,  // "Play..." in an audio view: another file, in a window of its own
};

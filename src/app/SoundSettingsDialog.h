#pragma once
// The Sound Settings dialog (View > Sound Settings...): the MIDI output, the
// built-in synthesizer's SoundFont and the volume.
#include <string>
#include <vector>

#include "framework/Dialog.h"
#include "framework/MidiDevices.h"

struct SoundSettings {
    std::string output;     // the choice of one of the outputs listed
    std::string soundFont;  // a path; empty for the default
    int volume = 100;       // percent
};

enum SoundSettingsControl {
    IDC_SOUND_OUTPUT = 1120,
    IDC_SOUND_FONT = 1121,
    IDC_SOUND_BROWSE = 1122,
    IDC_SOUND_DEFAULT_FONT = 1123,
    IDC_SOUND_VOLUME = 1124,
    IDC_SOUND_VOLUME_TEXT = 1125,
    IDC_SOUND_VOLUME_LABEL = 1126,
};

// outputs: what the Output list offers, the one in use among them. The
// SoundFont field shows the default's path when the default is in use.
DialogData MakeSoundSettingsDialog(const SoundSettings& shown, const std::vector<MidiOutputEntry>& outputs,
                                   const std::string& defaultSoundFont);
// The default's path, or a blank field, reads as the default (empty).
SoundSettings ReadSoundSettingsDialog(const DialogData& dialog, const std::vector<MidiOutputEntry>& outputs,
                                      const std::string& defaultSoundFont);

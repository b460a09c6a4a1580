#include "midi/MidiOutputError.h"

#include "framework/Services.h"
#include "midi/MidiDoc.h"

std::string MidiOutputErrorText(const IMidiOut* output)
{
    std::string text = CMidiDoc::kOutputError;
    std::string tried = output ? output->Tried() : std::string();
    if (!tried.empty())
        text += "\nTried " + tried + ".\n";
    text += "\nChoose the MIDI output in View > Sound Settings..., with the MORVIX_MIDI_OUT environment variable "
            "or the MidiOut value of the Settings section: fluidsynth, alsa:CLIENT:PORT, null, record:PATH or "
            "wav:PATH.";
    return text;
}

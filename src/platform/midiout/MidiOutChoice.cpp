#include "platform/midiout/MidiOutChoice.h"

#include <cstdlib>

#include "framework/Settings.h"
#include "platform/midiout/NullMidiOut.h"
#include "platform/midiout/RecordFileMidiOut.h"

namespace {

// The text after "prefix:" when choice starts with it.
bool TakeArgument(const std::string& choice, const std::string& prefix, std::string& argument)
{
    if (choice.rfind(prefix + ":", 0) != 0)
        return false;
    argument = choice.substr(prefix.size() + 1);
    return true;
}

}  // namespace

std::string ChosenMidiOut(ISettings* settings)
{
    if (const char* chosen = std::getenv("MORVIX_MIDI_OUT"); chosen && *chosen)
        return chosen;
    std::string stored = settings ? settings->GetString("Settings", "MidiOut", "") : "";
    return stored.empty() ? "fluidsynth" : stored;
}

std::string ChosenSoundFont(ISettings* settings)
{
    if (const char* chosen = std::getenv("MORVIX_SOUNDFONT"); chosen && *chosen)
        return chosen;
    return settings ? settings->GetString("Settings", "SoundFont", "") : "";
}

std::unique_ptr<IMidiOut> MakeMidiOut(const std::string& choice, IClock& clock, const SynthOutputFactory& synth,
                                      std::string& error)
{
    std::string argument;
    if (choice == "null")
        return std::make_unique<NullMidiOut>();
    if (TakeArgument(choice, "record", argument) && !argument.empty())
        return std::make_unique<RecordFileMidiOut>(argument, clock);
    bool synthesizer = choice == "fluidsynth" || (TakeArgument(choice, "wav", argument) && !argument.empty()) ||
                       (TakeArgument(choice, "alsa", argument) && !argument.empty());
    if (!synthesizer) {
        error = "unknown MIDI output \"" + choice +
                "\": use fluidsynth, alsa:CLIENT:PORT, null, record:PATH or wav:PATH";
        return nullptr;
    }
    std::unique_ptr<IMidiOut> output = synth ? synth(choice, clock) : nullptr;
    if (!output)
        error = "the MIDI output \"" + choice + "\" needs the synthesizer module, which could not be loaded";
    return output;
}

bool PlaysOnVirtualTime(const std::string& choice)
{
    return choice == "null" || choice.rfind("record:", 0) == 0 || choice.rfind("wav:", 0) == 0;
}

#include "platform/sound/SynthOutputs.h"

#include <algorithm>
#include <cstring>

#include "platform/sound/AlsaSeqMidiOut.h"
#include "platform/sound/AlsaSequencerPorts.h"
#include "platform/sound/FluidSynthEngine.h"
#include "platform/sound/FluidSynthMidiOut.h"
#include "platform/sound/WavMidiOut.h"

namespace {

// Copies text into a caller's buffer of size bytes, cut short if need be.
void CopyOut(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace

std::unique_ptr<IMidiOut> MakeSynthOutput(const std::string& choice, const std::string& soundFont, IClock& clock)
{
    if (choice == "fluidsynth")
        return std::make_unique<FluidSynthMidiOut>(soundFont);
    if (choice.rfind("wav:", 0) == 0 && choice.size() > 4)
        return std::make_unique<WavMidiOut>(choice.substr(4), soundFont, clock);
    if (choice.rfind("alsa:", 0) == 0 && choice.size() > 5)
        return std::make_unique<AlsaSeqMidiOut>(choice.substr(5));
    return nullptr;
}

SynthOutputFactory SynthFactory(const std::string& soundFont)
{
    return [soundFont](const std::string& choice, IClock& clock) { return MakeSynthOutput(choice, soundFont, clock); };
}

SynthBackend LinkedSynthBackend()
{
    SynthBackend backend;
    backend.make = MakeSynthOutput;
    backend.ports = ListSequencerPorts;
    backend.soundFontProblem = FluidSynthEngine::SoundFontProblem;
    backend.defaultSoundFont = FluidSynthEngine::DefaultSoundFont;
    return backend;
}

extern "C" IMidiOut* morvix_make_synth_output(const char* choice, const char* soundFont, IClock* clock)
{
    return choice && clock ? MakeSynthOutput(choice, soundFont ? soundFont : "", *clock).release() : nullptr;
}

extern "C" void morvix_list_sequencer_ports(void (*each)(void*, const MorvixSequencerPort*), void* context)
{
    for (const SequencerPort& port : ListSequencerPorts()) {
        const MorvixSequencerPort plain{port.client,          port.port,          port.clientName.c_str(),
                                        port.portName.c_str(), port.takesNotes ? 1 : 0, port.ownProcess ? 1 : 0};
        each(context, &plain);
    }
}

extern "C" int morvix_soundfont_problem(const char* path, char* problem, int size)
{
    const std::string why = FluidSynthEngine::SoundFontProblem(path ? path : "");
    CopyOut(why, problem, size);
    return why.empty() ? 0 : 1;
}

extern "C" int morvix_default_soundfont(char* path, int size)
{
    const std::string found = FluidSynthEngine::DefaultSoundFont();
    CopyOut(found, path, size);
    return found.empty() ? 0 : 1;
}

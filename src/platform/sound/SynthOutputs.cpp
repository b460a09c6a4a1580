#include "platform/sound/SynthOutputs.h"

#include "platform/sound/AlsaSeqMidiOut.h"
#include "platform/sound/FluidSynthMidiOut.h"
#include "platform/sound/WavMidiOut.h"

std::unique_ptr<IMidiOut> MakeSynthOutput(const std::string& choice, IClock& clock)
{
    if (choice == "fluidsynth")
        return std::make_unique<FluidSynthMidiOut>();
    if (choice.rfind("wav:", 0) == 0 && choice.size() > 4)
        return std::make_unique<WavMidiOut>(choice.substr(4), clock);
    if (choice.rfind("alsa:", 0) == 0 && choice.size() > 5)
        return std::make_unique<AlsaSeqMidiOut>(choice.substr(5));
    return nullptr;
}

extern "C" IMidiOut* morvix_make_synth_output(const char* choice, IClock* clock)
{
    return choice && clock ? MakeSynthOutput(choice, *clock).release() : nullptr;
}

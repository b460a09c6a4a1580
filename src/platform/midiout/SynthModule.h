#pragma once
// The synthesizer outputs loaded from libmorvix_synth.so, which the
// executable's RUNPATH finds, on first use. The module stays loaded while
// this object lives: the outputs it made must go before it.
#include <memory>
#include <string>

#include "platform/midiout/MidiDevices.h"

class SynthModule {
public:
    SynthModule() = default;
    ~SynthModule();
    SynthModule(const SynthModule&) = delete;
    SynthModule& operator=(const SynthModule&) = delete;

    // Everything the module offers, each loading it when first called.
    SynthBackend Backend();

private:
    // The module's entry of that name; null when it cannot be had.
    void* Entry(const char* name);
    std::unique_ptr<IMidiOut> Make(const std::string& choice, const std::string& soundFont, IClock& clock);
    std::vector<SequencerPort> Ports();
    std::string SoundFontProblem(const std::string& path);
    std::string DefaultSoundFont();

    void* handle_ = nullptr;
    bool tried_ = false;
};

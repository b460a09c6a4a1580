#pragma once
// The synthesizer outputs loaded from libmorvix_synth.so, which the
// executable's RUNPATH finds, on first use. The module stays loaded while
// this object lives: the outputs it made must go before it.
#include <memory>
#include <string>

#include "platform/midiout/MidiOutChoice.h"

class SynthModule {
public:
    SynthModule() = default;
    ~SynthModule();
    SynthModule(const SynthModule&) = delete;
    SynthModule& operator=(const SynthModule&) = delete;

    // A factory for MakeMidiOut that loads the module when first called.
    SynthOutputFactory Factory();

private:
    std::unique_ptr<IMidiOut> Make(const std::string& choice, IClock& clock);

    void* handle_ = nullptr;
    bool tried_ = false;
};

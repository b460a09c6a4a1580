#include "platform/midiout/SynthModule.h"

#include <dlfcn.h>

namespace {

using MakeFunction = IMidiOut* (*)(const char*, IClock*);

// Found through the executable's RUNPATH: beside it in the build tree, in
// the package's private library folder when installed.
constexpr const char* kModuleName = "libmorvix_synth.so";

}  // namespace

SynthModule::~SynthModule()
{
    if (handle_)
        dlclose(handle_);
}

SynthOutputFactory SynthModule::Factory()
{
    return [this](const std::string& choice, IClock& clock) { return Make(choice, clock); };
}

std::unique_ptr<IMidiOut> SynthModule::Make(const std::string& choice, IClock& clock)
{
    if (!tried_) {
        tried_ = true;
        handle_ = dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL);
    }
    auto make = handle_ ? reinterpret_cast<MakeFunction>(dlsym(handle_, "morvix_make_synth_output")) : nullptr;
    return std::unique_ptr<IMidiOut>(make ? make(choice.c_str(), &clock) : nullptr);
}

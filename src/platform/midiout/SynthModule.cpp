#include "platform/midiout/SynthModule.h"

#include <dlfcn.h>

#include <filesystem>

namespace {

using MakeFunction = IMidiOut* (*)(const char*, IClock*);

// Beside the executable in the build tree; in lib/morvix when installed.
std::string ModulePath()
{
    std::error_code error;
    std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::filesystem::path beside = bin / "libmorvix_synth.so";
    if (std::filesystem::exists(beside, error))
        return beside.string();
    return (bin.parent_path() / "lib/morvix/libmorvix_synth.so").string();
}

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
        handle_ = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    auto make = handle_ ? reinterpret_cast<MakeFunction>(dlsym(handle_, "morvix_make_synth_output")) : nullptr;
    return std::unique_ptr<IMidiOut>(make ? make(choice.c_str(), &clock) : nullptr);
}

#include "platform/midiout/SynthModule.h"

#include <dlfcn.h>

#include <array>

#include "platform/midiout/SynthModuleAbi.h"

namespace {

using MakeFunction = decltype(&morvix_make_synth_output);
using ListFunction = decltype(&morvix_list_sequencer_ports);
using ProblemFunction = decltype(&morvix_soundfont_problem);
using TextFunction = decltype(&morvix_default_soundfont);

// Found through the executable's RUNPATH: beside it in the build tree, in
// the package's private library folder when installed.
constexpr const char* kModuleName = "libmorvix_synth.so";
constexpr int kTextSize = 4096;

void AddPort(void* context, const MorvixSequencerPort* plain)
{
    static_cast<std::vector<SequencerPort>*>(context)->push_back(
        {plain->client, plain->port, plain->clientName, plain->portName, plain->takesNotes != 0, plain->ownProcess != 0});
}

}  // namespace

SynthModule::~SynthModule()
{
    if (handle_)
        dlclose(handle_);
}

void* SynthModule::Entry(const char* name)
{
    if (!tried_) {
        tried_ = true;
        handle_ = dlopen(kModuleName, RTLD_NOW | RTLD_LOCAL);
    }
    return handle_ ? dlsym(handle_, name) : nullptr;
}

SynthBackend SynthModule::Backend()
{
    SynthBackend backend;
    backend.make = [this](const std::string& choice, const std::string& soundFont, IClock& clock) {
        return Make(choice, soundFont, clock);
    };
    backend.ports = [this] { return Ports(); };
    backend.soundFontProblem = [this](const std::string& path) { return SoundFontProblem(path); };
    backend.defaultSoundFont = [this] { return DefaultSoundFont(); };
    return backend;
}

std::unique_ptr<IMidiOut> SynthModule::Make(const std::string& choice, const std::string& soundFont, IClock& clock)
{
    auto make = reinterpret_cast<MakeFunction>(Entry("morvix_make_synth_output"));
    return std::unique_ptr<IMidiOut>(make ? make(choice.c_str(), soundFont.c_str(), &clock) : nullptr);
}

std::vector<SequencerPort> SynthModule::Ports()
{
    std::vector<SequencerPort> ports;
    if (auto list = reinterpret_cast<ListFunction>(Entry("morvix_list_sequencer_ports")))
        list(AddPort, &ports);
    return ports;
}

std::string SynthModule::SoundFontProblem(const std::string& path)
{
    auto problem = reinterpret_cast<ProblemFunction>(Entry("morvix_soundfont_problem"));
    if (!problem)
        return "the synthesizer module could not be loaded";
    std::array<char, kTextSize> text{};
    problem(path.c_str(), text.data(), kTextSize);
    return text.data();
}

std::string SynthModule::DefaultSoundFont()
{
    auto find = reinterpret_cast<TextFunction>(Entry("morvix_default_soundfont"));
    std::array<char, kTextSize> text{};
    if (find)
        find(text.data(), kTextSize);
    return text.data();
}

#include "platform/midiout/MidiDevices.h"

namespace {

constexpr const char* kSynthesizer = "fluidsynth";
constexpr const char* kSequencerPrefix = "alsa:";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

MidiDevices::MidiDevices(SynthBackend backend, IClock& clock, SoundChoice start, std::string startName)
    : backend_(std::move(backend)), clock_(clock), start_(std::move(start)), startName_(std::move(startName))
{
}

std::vector<SequencerPort> MidiDevices::Ports() const
{
    return backend_.ports ? backend_.ports() : std::vector<SequencerPort>{};
}

MidiOutputEntry MidiDevices::Describe(const std::string& choice) const
{
    if (choice == start_.output && !startName_.empty())
        return {choice, startName_, false};
    if (choice == kSynthesizer)
        return {choice, "Built-in synthesizer (FluidSynth)", true};
    if (StartsWith(choice, "wav:"))
        return {choice, "WAV file " + choice.substr(4), true};
    if (StartsWith(choice, "record:"))
        return {choice, "Messages written to " + choice.substr(7), false};
    if (choice == "null")
        return {choice, "No sound (null)", false};
    if (StartsWith(choice, kSequencerPrefix)) {
        for (const MidiOutputEntry& entry : SequencerOutputs(Ports()))
            if (entry.choice == choice)
                return entry;
        return {choice, "ALSA sequencer port " + choice.substr(5), false};
    }
    return {choice, choice, false};
}

std::vector<MidiOutputEntry> MidiDevices::ListOutputs()
{
    std::vector<MidiOutputEntry> outputs{Describe(kSynthesizer)};
    for (MidiOutputEntry& entry : SequencerOutputs(Ports()))
        outputs.push_back(std::move(entry));
    return outputs;
}

std::unique_ptr<IMidiOut> MidiDevices::MakeOutput(const SoundChoice& choice, std::string& error)
{
    std::string output = choice.output;
    if (StartsWith(output, kSequencerPrefix))
        if (std::optional<std::string> numbers = FindSequencerPort(output.substr(5), Ports()))
            output = kSequencerPrefix + *numbers;
    SynthOutputFactory synth;
    if (backend_.make)
        synth = [&](const std::string& made, IClock& clock) { return backend_.make(made, choice.soundFont, clock); };
    return MakeMidiOut(output, clock_, synth, error);
}

std::string MidiDevices::DefaultSoundFont()
{
    return backend_.defaultSoundFont ? backend_.defaultSoundFont() : std::string();
}

std::string MidiDevices::SoundFontProblem(const std::string& path)
{
    return backend_.soundFontProblem ? backend_.soundFontProblem(path) : "there is no synthesizer to load it";
}

void MidiDevices::WatchOutputs(std::function<void()> changed)
{
    if (backend_.watchPorts)
        backend_.watchPorts(std::move(changed));
}

#pragma once
// The MIDI devices port on a synthesizer backend: the built-in synthesizer
// and the sequencer's ports that take notes, outputs made for a choice and
// a SoundFont, and news of ports coming and going. The backend is the
// synthesizer code linked in (the desktop program) or loaded as a module
// when first needed (morvix-cli), or a made-up one in tests.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/MidiDevices.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/midiout/SequencerPorts.h"

struct SynthBackend {
    // A synthesizer output (fluidsynth, wav:PATH, alsa:CLIENT:PORT) with the
    // SoundFont (empty: the default); null when it cannot be had.
    std::function<std::unique_ptr<IMidiOut>(const std::string& choice, const std::string& soundFont, IClock& clock)>
        make;
    // Every port of the sequencer; none without one.
    std::function<std::vector<SequencerPort>()> ports;
    std::function<std::string(const std::string& path)> soundFontProblem;
    std::function<std::string()> defaultSoundFont;
    // Optional: calls back on the application's thread as ports come and go.
    std::function<void(std::function<void()> changed)> watchPorts;
};

class MidiDevices : public IMidiDevices {
public:
    // start: what the program's first output is made from; startName names
    // an output that is none of the choices (a script's messages kept in
    // memory).
    MidiDevices(SynthBackend backend, IClock& clock, SoundChoice start, std::string startName = {});

    SoundChoice StartChoice() const override { return start_; }
    MidiOutputEntry Describe(const std::string& choice) const override;
    std::vector<MidiOutputEntry> ListOutputs() override;
    // A sequencer port named by its client's name is looked up now, so a
    // name that reads like an address ("USB2.0-MIDI:0") still finds it.
    std::unique_ptr<IMidiOut> MakeOutput(const SoundChoice& choice, std::string& error) override;
    std::string DefaultSoundFont() override;
    std::string SoundFontProblem(const std::string& path) override;
    void WatchOutputs(std::function<void()> changed) override;

private:
    std::vector<SequencerPort> Ports() const;

    SynthBackend backend_;
    IClock& clock_;
    SoundChoice start_;
    std::string startName_;
};

#pragma once
// MIDI devices port: the outputs the machine offers now and the
// synthesizer's SoundFont, which the Sound Settings dialog chooses from.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Services.h"

// One output the user can choose.
struct MidiOutputEntry {
    // As the "MidiOut" setting keeps it: "fluidsynth", "alsa:CLIENT:PORT", ...
    std::string choice;
    // As the dialog shows it.
    std::string name;
    // It sounds through the built-in synthesizer, so the SoundFont counts.
    bool synthesizer = false;
};

// What an output is made from.
struct SoundChoice {
    std::string output;     // a "MidiOut" value
    std::string soundFont;  // for the synthesizer outputs; empty: the default
    bool operator==(const SoundChoice&) const = default;
};

class IMidiDevices {
public:
    virtual ~IMidiDevices() = default;
    // What the output the program started with was made from (the
    // environment's or the settings' choice), and its entry.
    virtual SoundChoice StartChoice() const = 0;
    virtual MidiOutputEntry Describe(const std::string& choice) const = 0;
    // The outputs that can be opened now: the built-in synthesizer first,
    // then every sequencer port that takes notes.
    virtual std::vector<MidiOutputEntry> ListOutputs() = 0;
    // A new, closed output; null, with the reason in error, when the choice
    // names none.
    virtual std::unique_ptr<IMidiOut> MakeOutput(const SoundChoice& choice, std::string& error) = 0;
    virtual std::string DefaultSoundFont() = 0;
    // Why the file cannot be loaded as a SoundFont; empty when it can.
    virtual std::string SoundFontProblem(const std::string& path) = 0;
    // changed runs on the application's thread whenever an output port
    // comes or goes; a port without such news never calls it.
    virtual void WatchOutputs(std::function<void()> changed) = 0;
};

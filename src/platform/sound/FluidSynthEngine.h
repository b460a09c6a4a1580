#pragma once
// A FluidSynth synthesizer with a General MIDI SoundFont loaded, taking
// short messages. Made on first use: loading the SoundFont takes a moment.
#include <cstdint>
#include <memory>
#include <string>

#include <fluidsynth.h>

class FluidSynthEngine {
public:
    static constexpr int kSampleRate = 44100;

    // Null when FluidSynth or the SoundFont cannot be had.
    static std::unique_ptr<FluidSynthEngine> Create();
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // Channel messages sound; system messages (status 0xF0 and up) are ignored.
    void Send(std::uint32_t shortMessage);
    void AllNotesOff();
    // Renders frames of stereo audio into interleaved 16-bit samples.
    void Render(int frames, std::int16_t* interleaved);

    fluid_settings_t* Settings() const { return settings_; }
    fluid_synth_t* Synth() const { return synth_; }

    // The SoundFont used: MORVIX_SOUNDFONT, else Debian's default GM font.
    static std::string SoundFontPath();
    // Why Create gave nothing, in words for the user.
    static std::string Problem();

private:
    FluidSynthEngine() = default;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

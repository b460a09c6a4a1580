#pragma once
// A FluidSynth synthesizer with a General MIDI SoundFont loaded, taking
// short messages, its audio passed through the master stage (level, volume,
// compressor, limiter). Made on first use: loading the SoundFont takes a
// moment.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <fluidsynth.h>

#include "platform/sound/MasterStage.h"

class FluidSynthEngine {
public:
    static constexpr int kSampleRate = 44100;

    // With the SoundFont given (empty: the default); one that cannot be
    // loaded is replaced by the default, and TakeNotice says so. Null when
    // FluidSynth or no SoundFont can be had.
    static std::unique_ptr<FluidSynthEngine> Create(const std::string& soundFont);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    // Channel messages sound; system messages (status 0xF0 and up) are ignored.
    void Send(std::uint32_t shortMessage);
    void AllNotesOff();
    void SetVolume(int percent) { stage_.SetVolume(percent); }
    // Renders frames of stereo audio into the two buffers (audio thread).
    void Render(int frames, float* left, float* right);
    // The same as interleaved 16-bit samples, for WAV files.
    void Render(int frames, std::int16_t* interleaved);

    fluid_settings_t* Settings() const { return settings_; }
    const std::string& SoundFont() const { return soundFont_; }
    // What the user should hear of how the SoundFont was chosen, once.
    std::string TakeNotice();

    // Debian's General MIDI SoundFont; empty when none is installed.
    static std::string DefaultSoundFont();
    // Why path cannot be loaded as a SoundFont; empty when it can.
    static std::string SoundFontProblem(const std::string& path);
    // Why Create(soundFont) gave nothing, in words for the user.
    static std::string Problem(const std::string& soundFont);

private:
    FluidSynthEngine();
    bool Load(const std::string& path);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    MasterStage stage_{kSampleRate};
    std::string soundFont_;
    std::string notice_;
    std::vector<float> left_, right_;
};

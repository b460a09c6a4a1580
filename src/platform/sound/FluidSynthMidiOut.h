#pragma once
// The default output: FluidSynth in the process, heard through the desktop's
// sound server (PulseAudio, which PipeWire also serves) or else ALSA. The
// synthesizer is made at the first open; without a sound device the open
// fails and nothing else happens.
#include <memory>
#include <string>

#include "framework/Services.h"
#include "platform/sound/FluidSynthEngine.h"

class FluidSynthMidiOut : public IMidiOut {
public:
    // soundFont: empty for the default.
    explicit FluidSynthMidiOut(std::string soundFont = {}) : soundFont_(std::move(soundFont)) {}
    ~FluidSynthMidiOut() override;

    bool Open() override;
    void Send(std::uint32_t shortMessage) override;
    void Close() override;
    bool IsOpen() const override { return driver_ != nullptr; }
    void SetVolume(int percent) override;
    std::string TakeOpenNotice() override;
    std::string Tried() const override { return tried_; }

private:
    // The audio driver's thread asks for each block here.
    static int Fill(void* engine, int frames, int effectCount, float* effects[], int outCount, float* out[]);

    std::string soundFont_;
    std::unique_ptr<FluidSynthEngine> engine_;
    std::string tried_;
    fluid_audio_driver_t* driver_ = nullptr;
};

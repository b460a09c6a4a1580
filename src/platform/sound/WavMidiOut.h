#pragma once
// FluidSynth rendering into a WAV file on the clock's time: before each
// message and at each close it renders the audio for the time elapsed since
// the last render, so on a virtual clock a whole file renders faster than
// real time. The file is started at the first open; the time between a close
// and the next open is rendered as well, so the file follows the clock.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/Services.h"
#include "platform/sound/FluidSynthEngine.h"
#include "platform/sound/WavWriter.h"

class WavMidiOut : public IMidiOut {
public:
    // soundFont: empty for the default.
    WavMidiOut(std::string path, std::string soundFont, IClock& clock)
        : path_(std::move(path)), soundFont_(std::move(soundFont)), clock_(clock)
    {
    }
    ~WavMidiOut() override;

    bool Open() override;
    void Send(std::uint32_t shortMessage) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    // From this moment of the clock on: what went before keeps its volume.
    void SetVolume(int percent) override;
    std::string TakeOpenNotice() override;
    std::string Tried() const override { return tried_; }

private:
    void RenderUntilNow();

    std::string path_;
    std::string soundFont_;
    std::string tried_;
    IClock& clock_;
    std::unique_ptr<FluidSynthEngine> engine_;
    WavWriter wav_;
    std::int64_t startMs_ = 0;
    std::int64_t renderedFrames_ = 0;
    bool open_ = false;
};

#include "platform/sound/FluidSynthMidiOut.h"

#include "platform/sound/QuietFluidLog.h"

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    Close();
}

bool FluidSynthMidiOut::Open()
{
    if (driver_)
        return true;
    if (!engine_)
        engine_ = FluidSynthEngine::Create(soundFont_);
    if (!engine_) {
        tried_ = "fluidsynth: " + FluidSynthEngine::Problem(soundFont_);
        return false;
    }
    QuietFluidLog quiet;
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(engine_->Settings(), "audio.driver", name);
        driver_ = new_fluid_audio_driver2(engine_->Settings(), Fill, engine_.get());
        if (driver_)
            return true;
    }
    tried_ = "fluidsynth: FluidSynth found no sound device through PulseAudio or ALSA";
    return false;
}

int FluidSynthMidiOut::Fill(void* engine, int frames, int, float*[], int outCount, float* out[])
{
    if (outCount < 2)
        return FLUID_FAILED;
    static_cast<FluidSynthEngine*>(engine)->Render(frames, out[0], out[1]);
    return FLUID_OK;
}

void FluidSynthMidiOut::Send(std::uint32_t shortMessage)
{
    if (driver_)
        engine_->Send(shortMessage);
}

void FluidSynthMidiOut::Close()
{
    if (!driver_)
        return;
    engine_->AllNotesOff();
    delete_fluid_audio_driver(driver_);
    driver_ = nullptr;
}

void FluidSynthMidiOut::SetVolume(int percent)
{
    if (engine_)
        engine_->SetVolume(percent);
}

std::string FluidSynthMidiOut::TakeOpenNotice()
{
    return engine_ ? engine_->TakeNotice() : std::string();
}

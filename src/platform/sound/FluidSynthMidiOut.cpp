#include "platform/sound/FluidSynthMidiOut.h"

#include <alsa/asoundlib.h>

namespace {

void DropFluidLog(int, const char*, void*) {}
void DropAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Without a sound device every driver tried complains on stderr; the user
// gets one message box instead.
class QuietDrivers {
public:
    QuietDrivers()
    {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
            fluid_set_log_function(level, DropFluidLog, nullptr);
        snd_lib_error_set_handler(DropAlsaError);
    }
    ~QuietDrivers()
    {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN})
            fluid_set_log_function(level, fluid_default_log_function, nullptr);
        snd_lib_error_set_handler(nullptr);
    }
};

}  // namespace

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    Close();
}

bool FluidSynthMidiOut::Open()
{
    if (driver_)
        return true;
    if (!engine_)
        engine_ = FluidSynthEngine::Create();
    if (!engine_) {
        tried_ = "fluidsynth: " + FluidSynthEngine::Problem();
        return false;
    }
    QuietDrivers quiet;
    for (const char* name : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(engine_->Settings(), "audio.driver", name);
        driver_ = new_fluid_audio_driver(engine_->Settings(), engine_->Synth());
        if (driver_)
            return true;
    }
    tried_ = "fluidsynth: FluidSynth found no sound device through PulseAudio or ALSA";
    return false;
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

#include "platform/sound/FluidSynthEngine.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/sound/QuietFluidLog.h"

std::string FluidSynthEngine::DefaultSoundFont()
{
    std::error_code error;
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (std::filesystem::exists(path, error))
            return path;
    return {};
}

std::string FluidSynthEngine::SoundFontProblem(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return "there is no such file";
    QuietFluidLog quiet;  // the message box says it, not stderr
    if (!fluid_is_soundfont(path.c_str()))
        return "it is not a SoundFont";
    return {};
}

std::string FluidSynthEngine::Problem(const std::string& soundFont)
{
    const std::string fallback = DefaultSoundFont();
    if (fallback.empty() && soundFont.empty())
        return "no General MIDI SoundFont was found (the fluid-soundfont-gm package gives one, "
               "MORVIX_SOUNDFONT names another)";
    if (fallback.empty())
        return "FluidSynth could not load the SoundFont " + soundFont +
               " and no General MIDI SoundFont was found (the fluid-soundfont-gm package gives one)";
    return "FluidSynth could not load the SoundFont " + fallback;
}

FluidSynthEngine::FluidSynthEngine()
{
    settings_ = new_fluid_settings();
    if (!settings_)
        return;
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    synth_ = new_fluid_synth(settings_);
}

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::Create(const std::string& soundFont)
{
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine());
    if (!engine->synth_)
        return nullptr;
    const std::string fallback = DefaultSoundFont();
    if (!soundFont.empty() && engine->Load(soundFont))
        return engine;
    if (fallback.empty() || fallback == soundFont || !engine->Load(fallback))
        return nullptr;
    if (!soundFont.empty())
        engine->notice_ = "The SoundFont \"" + soundFont + "\" cannot be loaded: the default SoundFont \"" +
                          fallback + "\" plays instead.";
    return engine;
}

// SoundFontProblem quiets the log for its own check and gives it back, so
// the load after it is quieted on its own.
bool FluidSynthEngine::Load(const std::string& path)
{
    if (!SoundFontProblem(path).empty())
        return false;
    QuietFluidLog quiet;
    if (fluid_synth_sfload(synth_, path.c_str(), 1) == FLUID_FAILED)
        return false;
    soundFont_ = path;
    return true;
}

FluidSynthEngine::~FluidSynthEngine()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

std::string FluidSynthEngine::TakeNotice()
{
    std::string notice;
    notice.swap(notice_);
    return notice;
}

void FluidSynthEngine::Send(std::uint32_t message)
{
    int status = message & 0xFF;
    int channel = status & 0x0F;
    int data1 = (message >> 8) & 0x7F;
    int data2 = (message >> 16) & 0x7F;
    switch (status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth_, channel, data1); break;
    case 0x90:
        if (data2 == 0)
            fluid_synth_noteoff(synth_, channel, data1);
        else
            fluid_synth_noteon(synth_, channel, data1, data2);
        break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, data1, data2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, data1, data2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, data1 | data2 << 7); break;
    default: break;
    }
}

void FluidSynthEngine::AllNotesOff()
{
    fluid_synth_all_notes_off(synth_, -1);
}

// Reverb and chorus are mixed into the dry signal, as the audio drivers
// other than JACK give no buffers of their own for them.
void FluidSynthEngine::Render(int frames, float* left, float* right)
{
    std::fill(left, left + frames, 0.0f);
    std::fill(right, right + frames, 0.0f);
    float* dry[] = {left, right};
    float* effects[] = {left, right, left, right};
    fluid_synth_process(synth_, frames, 4, effects, 2, dry);
    stage_.Process(left, right, frames);
}

void FluidSynthEngine::Render(int frames, std::int16_t* interleaved)
{
    left_.resize(static_cast<std::size_t>(frames));
    right_.resize(static_cast<std::size_t>(frames));
    Render(frames, left_.data(), right_.data());
    auto sample = [](float value) {
        return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
    };
    for (std::size_t i = 0; i < static_cast<std::size_t>(frames); ++i) {
        interleaved[2 * i] = sample(left_[i]);
        interleaved[2 * i + 1] = sample(right_[i]);
    }
}

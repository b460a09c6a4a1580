#include "platform/sound/FluidSynthEngine.h"

#include <cstdlib>
#include <filesystem>

std::string FluidSynthEngine::SoundFontPath()
{
    if (const char* chosen = std::getenv("MORVIX_SOUNDFONT"); chosen && *chosen)
        return chosen;
    std::error_code error;
    for (const char* path : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
        if (std::filesystem::exists(path, error))
            return path;
    return {};
}

std::string FluidSynthEngine::Problem()
{
    std::string soundFont = SoundFontPath();
    if (soundFont.empty())
        return "no General MIDI SoundFont was found (the fluid-soundfont-gm package gives one, "
               "MORVIX_SOUNDFONT names another)";
    return "FluidSynth could not load the SoundFont " + soundFont;
}

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::Create()
{
    std::string soundFont = SoundFontPath();
    if (soundFont.empty())
        return nullptr;
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine());
    engine->settings_ = new_fluid_settings();
    if (!engine->settings_)
        return nullptr;
    fluid_settings_setnum(engine->settings_, "synth.sample-rate", kSampleRate);
    engine->synth_ = new_fluid_synth(engine->settings_);
    if (!engine->synth_ || fluid_synth_sfload(engine->synth_, soundFont.c_str(), 1) == FLUID_FAILED)
        return nullptr;
    return engine;
}

FluidSynthEngine::~FluidSynthEngine()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
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

void FluidSynthEngine::Render(int frames, std::int16_t* interleaved)
{
    fluid_synth_write_s16(synth_, frames, interleaved, 0, 2, interleaved, 1, 2);
}

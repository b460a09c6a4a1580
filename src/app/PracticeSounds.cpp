#include "app/PracticeSounds.h"

#include "app/PlaybackBridge.h"
#include "framework/Application.h"
#include "harmony/ModelRoster.h"
#include "midi/MidiOutputError.h"
#include "midi/MidiPlayer.h"
#include "midi/PracticeDialogs.h"

PracticeSounds::PracticeSounds(CApplication& app, MidiPlayer& player, CPlaybackBridge& bridge, CModelRoster& models)
    : app_(app), player_(player), bridge_(bridge), models_(models),
      settings_(PracticeSettings::Load(*app.ports.settings))
{
    if (!app.ports.clock || !app.ports.sender)
        return;
    keeper_ = std::make_unique<BeatKeeper>(BeatVoice::Ports{player.Output(), *app.ports.clock, *app.ports.sender},
                                           bridge);
    keeper_->OnTick([this](int beat, int beatsPerBar) { ShowTick(beat, beatsPerBar); });
    models.SetPrimaryListener([this] { keeper_->ModelChanged(); });
    bridge.SetLoopStopper([this] { keeper_->StopLoop(); });
}

PracticeSounds::~PracticeSounds()
{
    models_.SetPrimaryListener({});
    bridge_.SetLoopStopper({});
    StopAll();
}

void PracticeSounds::ToggleLoop()
{
    if (!keeper_)
        return;
    if (keeper_->LoopRunning()) {
        keeper_->StopLoop();
        return;
    }
    if (!RunSoundLoopDialog(*app_.ports.prompts, settings_))
        return;
    Save();
    PlayLoop();
}

// One thing plays the model at a time: the loop takes over from a file.
void PracticeSounds::PlayLoop()
{
    if (!keeper_)
        return;
    player_.Stop();
    if (keeper_->StartLoop(settings_) == SoundLoop::Outcome::NoOutput)
        app_.MessageBox(MidiOutputErrorText(player_.Output().Device()), MessageIcon::Warning);
}

// Start Ticks while they tick starts them again with the settings chosen.
void PracticeSounds::StartTicks()
{
    if (!keeper_ || !RunTicksDialog(*app_.ports.prompts, settings_))
        return;
    Save();
    PlayTicks();
}

void PracticeSounds::PlayTicks()
{
    if (keeper_ && !keeper_->StartTicks(settings_))
        app_.MessageBox(MidiOutputErrorText(player_.Output().Device()), MessageIcon::Warning);
}

void PracticeSounds::StopTicks()
{
    if (keeper_)
        keeper_->StopTicks();
}

void PracticeSounds::ToggleShowTick()
{
    settings_.showTick = !settings_.showTick;
    Save();
    if (!settings_.showTick)
        app_.ports.windows->MainWindow().ShowTick(0, settings_.beatsPerBar);
}

void PracticeSounds::StopAll()
{
    if (keeper_)
        keeper_->StopAll();
}

void PracticeSounds::QueryLoop(CommandState& state) const
{
    state.checked = keeper_ && keeper_->LoopRunning();
    state.enabled = keeper_ && (state.checked || models_.Primary());
}

void PracticeSounds::QueryStartTicks(CommandState& state) const
{
    state.enabled = keeper_ != nullptr;
    state.checked = keeper_ && keeper_->TicksRunning();
}

void PracticeSounds::QueryStopTicks(CommandState& state) const
{
    state.enabled = keeper_ && keeper_->TicksRunning();
}

void PracticeSounds::QueryShowTick(CommandState& state) const
{
    state.checked = settings_.showTick;
}

void PracticeSounds::ShowTick(int beat, int beatsPerBar)
{
    if (settings_.showTick)
        app_.ports.windows->MainWindow().ShowTick(beat, beatsPerBar);
}

void PracticeSounds::Save()
{
    settings_.Save(*app_.ports.settings);
}

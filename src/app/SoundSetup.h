#pragma once
// The program's sound as the user sets it up (View > Sound Settings...):
// which output sounds, the built-in synthesizer's SoundFont and the volume.
// It switches the shared output to another device without a restart, keeps
// the choices in the settings ("MidiOut", "SoundFont", "Volume" of the
// "Settings" section) and falls back to the built-in synthesizer when a
// sequencer port cannot be opened or goes away.
//
// The devices it made are used by the player's output: it must outlive the
// player.
#include <memory>
#include <string>
#include <vector>

#include "app/SoundSettingsDialog.h"
#include "framework/MidiDevices.h"
#include "midi/MidiOutput.h"

class CApplication;

class SoundSetup : public IMidiOutputObserver {
public:
    SoundSetup(CApplication& app, MidiOutput& output);
    ~SoundSetup() override;
    SoundSetup(const SoundSetup&) = delete;
    SoundSetup& operator=(const SoundSetup&) = delete;

    // Takes the volume from the settings; with a sequencer port in use,
    // starts hearing of outputs coming and going.
    void Start();
    void OnSoundSettings();

    const MidiOutputEntry& Output() const { return output_; }
    // As the dialog shows it: the default's path for the default.
    std::string SoundFontInUse() const;
    // What the dialog's Output list offers: the outputs that can be opened
    // now, and the one in use if it is not among them.
    std::vector<MidiOutputEntry> Outputs() const;

    void OutputNotice(const std::string& text) override;
    bool OutputFailed() override;

private:
    // Puts the chosen output in place; false, with the reason in problem,
    // when it cannot be made or, while held, opened.
    bool Use(const SoundChoice& choice, std::string& problem);
    // The device the program started with serves again for its own choice.
    bool IsStartDevice(const SoundChoice& choice) const;
    // Says why the output chosen cannot be had and, for one that is not the
    // built-in synthesizer, goes to that.
    void Refuse(const SoundChoice& choice, const std::string& problem);
    void FallBack(const std::string& why);
    void WatchForPort();
    void OutputsChanged();
    // A SoundFont that cannot be loaded is named and replaced by the default.
    std::string CheckedSoundFont(const std::string& path);
    void Apply(const SoundSettings& chosen);
    void Store(const SoundSettings& chosen, bool newOutput, bool newSoundFont);

    CApplication& app_;
    MidiOutput& shared_;
    IMidiDevices* devices_;
    // The device in use when it is not the one the program started with.
    std::unique_ptr<IMidiOut> made_;
    MidiOutputEntry output_;
    std::string soundFont_;
    bool watching_ = false;
};

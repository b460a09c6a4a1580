#include "app/SoundSettingsDialog.h"

#include <algorithm>

namespace {

constexpr int kResourceId = 245;

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string VolumeText(int percent)
{
    return std::to_string(percent) + "%";
}

}  // namespace

DialogData MakeSoundSettingsDialog(const SoundSettings& shown, const std::vector<MidiOutputEntry>& outputs,
                                   const std::string& defaultSoundFont)
{
    DialogData dialog;
    dialog.resourceId = kResourceId;
    dialog.caption = "Sound Settings";
    DialogControl& output = dialog.Add(IDC_SOUND_OUTPUT, DialogControl::Kind::DropList, "&Output:");
    for (const MidiOutputEntry& entry : outputs)
        output.choices.push_back(entry.name);
    auto current = std::find_if(outputs.begin(), outputs.end(),
                                [&](const MidiOutputEntry& entry) { return entry.choice == shown.output; });
    output.value = current == outputs.end() ? 0 : static_cast<int>(current - outputs.begin());
    dialog.Add(IDC_SOUND_FONT, DialogControl::Kind::Edit, "&SoundFont:").text =
        shown.soundFont.empty() ? defaultSoundFont : shown.soundFont;
    dialog.Add(IDC_SOUND_BROWSE, DialogControl::Kind::Button, "&Browse...");
    dialog.Add(IDC_SOUND_DEFAULT_FONT, DialogControl::Kind::Label,
               defaultSoundFont.empty() ? "No General MIDI SoundFont is installed."
                                        : "The built-in synthesizer plays the SoundFont; its default is " +
                                              defaultSoundFont + ".");
    // The slider's row: its label, the slider and the volume it stands at.
    dialog.Add(IDC_SOUND_VOLUME_LABEL, DialogControl::Kind::Label, "Volume:");
    DialogControl& volume = dialog.Add(IDC_SOUND_VOLUME, DialogControl::Kind::Slider, "Volume");
    volume.sameRow = true;
    volume.value = std::clamp(shown.volume, 0, 100);
    dialog.Add(IDC_SOUND_VOLUME_TEXT, DialogControl::Kind::Label, VolumeText(volume.value)).sameRow = true;
    dialog.onChange = [](DialogData& changed, int id) {
        if (id == IDC_SOUND_VOLUME)
            changed.Find(IDC_SOUND_VOLUME_TEXT)->label = VolumeText(changed.Find(id)->value);
    };
    dialog.extraButtons = {IDC_SOUND_BROWSE};
    return dialog;
}

SoundSettings ReadSoundSettingsDialog(const DialogData& dialog, const std::vector<MidiOutputEntry>& outputs,
                                      const std::string& defaultSoundFont)
{
    SoundSettings settings;
    const DialogControl* output = dialog.Find(IDC_SOUND_OUTPUT);
    if (output && output->value >= 0 && output->value < static_cast<int>(outputs.size()))
        settings.output = outputs[static_cast<std::size_t>(output->value)].choice;
    if (const DialogControl* font = dialog.Find(IDC_SOUND_FONT))
        settings.soundFont = Trimmed(font->text);
    if (settings.soundFont == defaultSoundFont)
        settings.soundFont.clear();
    if (const DialogControl* volume = dialog.Find(IDC_SOUND_VOLUME))
        settings.volume = std::clamp(volume->value, 0, 100);
    return settings;
}

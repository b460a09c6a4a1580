#include "app/SoundSetup.h"

#include "framework/Application.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kSynthesizer = "fluidsynth";

bool IsSequencerPort(const std::string& choice)
{
    return choice.rfind("alsa:", 0) == 0;
}

std::string CannotBeOpened(const MidiOutputEntry& output)
{
    return "The MIDI output \"" + output.name + "\" cannot be opened";
}

}  // namespace

SoundSetup::SoundSetup(CApplication& app, MidiOutput& output)
    : app_(app), shared_(output), devices_(app.ports.midiDevices)
{
    if (devices_) {
        SoundChoice start = devices_->StartChoice();
        output_ = devices_->Describe(start.output);
        soundFont_ = start.soundFont;
    } else {
        output_ = {"", "The program's MIDI output", false};
    }
}

// The ports outlive the application: they must not call back into it.
SoundSetup::~SoundSetup()
{
    if (watching_)
        devices_->WatchOutputs(nullptr);
}

void SoundSetup::Start()
{
    ISettings* settings = app_.ports.settings;
    int volume = settings ? settings->GetInt(kSection, "Volume", 100) : 100;
    shared_.SetVolume(volume < 0 || volume > 100 ? 100 : volume);
    shared_.SetObserver(this);
    WatchForPort();
}

// Only a sequencer port can go away, and watching takes a sequencer client
// of its own: it starts with the first port in use, not with the program.
void SoundSetup::WatchForPort()
{
    if (watching_ || !devices_ || !IsSequencerPort(output_.choice))
        return;
    devices_->WatchOutputs([this] { OutputsChanged(); });
    watching_ = true;
}

std::string SoundSetup::SoundFontInUse() const
{
    return soundFont_.empty() && devices_ ? devices_->DefaultSoundFont() : soundFont_;
}

std::vector<MidiOutputEntry> SoundSetup::Outputs() const
{
    std::vector<MidiOutputEntry> outputs = devices_ ? devices_->ListOutputs() : std::vector<MidiOutputEntry>{};
    bool listed = false;
    for (const MidiOutputEntry& entry : outputs)
        listed = listed || entry.choice == output_.choice;
    if (!listed)
        outputs.insert(outputs.begin(), output_);
    return outputs;
}

// The volume is heard as the slider moves; Cancel puts it back.
void SoundSetup::OnSoundSettings()
{
    const std::vector<MidiOutputEntry> outputs = Outputs();
    const std::string defaultFont = devices_ ? devices_->DefaultSoundFont() : std::string();
    const int volumeBefore = shared_.Volume();
    DialogData dialog = MakeSoundSettingsDialog({output_.choice, soundFont_, volumeBefore}, outputs, defaultFont);
    dialog.onChange = [this, follow = dialog.onChange](DialogData& shown, int id) {
        follow(shown, id);
        if (id == IDC_SOUND_VOLUME)
            shared_.SetVolume(shown.Find(id)->value);
    };
    for (;;) {
        const int result = app_.ports.prompts->RunDialog(dialog);
        if (result == IDC_SOUND_BROWSE) {
            DialogControl* font = dialog.Find(IDC_SOUND_FONT);
            FileDialogRequest request{true, "SoundFont",
                                      "SoundFonts (*.sf2;*.sf3)|*.sf2;*.sf3|All files (*.*)|*", font->text};
            if (std::optional<std::string> path = app_.ports.prompts->ChooseFile(request))
                font->text = *path;
            continue;
        }
        if (result != IDOK) {
            shared_.SetVolume(volumeBefore);
            return;
        }
        Apply(ReadSoundSettingsDialog(dialog, outputs, defaultFont));
        return;
    }
}

void SoundSetup::Apply(const SoundSettings& dialog)
{
    SoundSettings chosen = dialog;
    shared_.SetVolume(chosen.volume);
    chosen.soundFont = CheckedSoundFont(chosen.soundFont);
    const bool newOutput = chosen.output != output_.choice;
    const bool newSoundFont = chosen.soundFont != soundFont_;
    soundFont_ = chosen.soundFont;
    Store(chosen, newOutput, newSoundFont);
    std::string problem;
    if ((newOutput || (newSoundFont && output_.synthesizer)) && !Use({chosen.output, chosen.soundFont}, problem))
        Refuse({chosen.output, chosen.soundFont}, problem);
}

// Only what the user changed is written: an output or a SoundFont that
// MORVIX_MIDI_OUT or MORVIX_SOUNDFONT chose for this run stays out of the
// settings.
void SoundSetup::Store(const SoundSettings& chosen, bool newOutput, bool newSoundFont)
{
    ISettings* settings = app_.ports.settings;
    if (!settings)
        return;
    settings->WriteInt(kSection, "Volume", chosen.volume);
    if (newSoundFont)
        settings->WriteString(kSection, "SoundFont", chosen.soundFont);
    if (newOutput && !chosen.output.empty())
        settings->WriteString(kSection, "MidiOut", chosen.output);
}

std::string SoundSetup::CheckedSoundFont(const std::string& path)
{
    if (path.empty() || !devices_)
        return path;
    const std::string problem = devices_->SoundFontProblem(path);
    if (problem.empty())
        return path;
    const std::string fallback = devices_->DefaultSoundFont();
    const std::string instead = fallback.empty() ? ", and no General MIDI SoundFont is installed to play instead."
                                                 : ": the default SoundFont \"" + fallback + "\" plays instead.";
    app_.MessageBox("The SoundFont \"" + path + "\" cannot be loaded (" + problem + ")" + instead,
                    MessageIcon::Warning);
    return {};
}

bool SoundSetup::IsStartDevice(const SoundChoice& choice) const
{
    const SoundChoice start = devices_->StartChoice();
    return choice.output == start.output &&
           (choice.soundFont == start.soundFont || !devices_->Describe(choice.output).synthesizer);
}

// Going back to the output the program started with takes up its device
// again, so it costs no second SoundFont load.
bool SoundSetup::Use(const SoundChoice& choice, std::string& problem)
{
    if (!devices_)
        return false;
    std::unique_ptr<IMidiOut> device;
    IMidiOut* next = app_.ports.midiOut;
    if (!IsStartDevice(choice)) {
        std::string error;
        device = devices_->MakeOutput(choice, error);
        if (!device) {
            problem = "The MIDI output \"" + choice.output + "\" cannot be used: " + error;
            return false;
        }
        next = device.get();
    }
    std::string notice;
    const bool opened = shared_.SwitchDevice(next, notice);
    made_ = std::move(device);
    output_ = devices_->Describe(choice.output);
    WatchForPort();
    if (!notice.empty())
        OutputNotice(notice);
    if (!opened)
        problem = CannotBeOpened(output_);
    return opened;
}

void SoundSetup::Refuse(const SoundChoice& choice, const std::string& problem)
{
    if (choice.output == kSynthesizer)
        app_.MessageBox(problem + ".", MessageIcon::Warning);
    else
        FallBack(problem);
}

// The synthesizer is put in place before the message shows, so notes that
// arrive meanwhile find it.
void SoundSetup::FallBack(const std::string& why)
{
    std::string problem;
    if (Use({kSynthesizer, soundFont_}, problem))
        app_.MessageBox(why + ": the built-in synthesizer plays instead.", MessageIcon::Warning);
    else
        app_.MessageBox(why + ", and the built-in synthesizer cannot be opened either.", MessageIcon::Warning);
}

void SoundSetup::OutputNotice(const std::string& text)
{
    app_.MessageBox(text, MessageIcon::Warning);
}

// Only a sequencer port has the synthesizer to fall back to; a synthesizer
// or a file that cannot open is reported by whoever wanted it.
bool SoundSetup::OutputFailed()
{
    if (!devices_ || !IsSequencerPort(output_.choice))
        return false;
    FallBack(CannotBeOpened(output_));
    return true;
}

void SoundSetup::OutputsChanged()
{
    if (!devices_ || !IsSequencerPort(output_.choice))
        return;
    for (const MidiOutputEntry& entry : devices_->ListOutputs())
        if (entry.choice == output_.choice)
            return;
    FallBack("The MIDI output \"" + output_.name + "\" is no longer there");
}

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "app/AppCommands.h"
#include "app/SoundSettingsDialog.h"
#include "app/SoundSetup.h"
#include "framework/MidiDevices.h"
#include "midi/MidiPlayer.h"
#include "platform/headless/RecordingMidiOut.h"

namespace {

constexpr const char* kDefaultFont = "/fonts/default-GM.sf2";
constexpr const char* kSynth = "fluidsynth";

// A machine whose sequencer ports the test plugs in and out. Every output
// made is a recording device the test can look into afterwards.
class FakeDevices : public IMidiDevices {
public:
    explicit FakeDevices(IClock& clock) : clock_(clock) {}

    SoundChoice StartChoice() const override { return start; }
    MidiOutputEntry Describe(const std::string& choice) const override
    {
        if (choice == kSynth)
            return {choice, "Built-in synthesizer", true};
        auto port = ports.find(choice);
        return {choice, port == ports.end() ? "gone " + choice : port->second, false};
    }
    std::vector<MidiOutputEntry> ListOutputs() override
    {
        std::vector<MidiOutputEntry> outputs{Describe(kSynth)};
        for (const auto& [choice, name] : ports)
            outputs.push_back({choice, name, false});
        return outputs;
    }
    std::unique_ptr<IMidiOut> MakeOutput(const SoundChoice& choice, std::string& error) override
    {
        if (choice.output != kSynth && !ports.count(choice.output)) {
            error = "no such port";
            return nullptr;
        }
        auto device = std::make_unique<RecordingMidiOut>(clock_);
        device->SetAvailable(!unopenable.count(choice.output));
        made.push_back({choice, device.get()});
        return device;
    }
    std::string DefaultSoundFont() override { return kDefaultFont; }
    std::string SoundFontProblem(const std::string& path) override
    {
        return loadable.count(path) ? "" : "there is no such file";
    }
    void WatchOutputs(std::function<void()> changed) override { watch = std::move(changed); }

    // Unplugs a port and tells whoever watches, as the sequencer would.
    void Unplug(const std::string& choice)
    {
        ports.erase(choice);
        if (watch)
            watch();
    }

    SoundChoice start{kSynth, ""};
    std::map<std::string, std::string> ports{{"alsa:Piano:0", "Piano: In (20:0)"}};
    std::set<std::string> unopenable;
    std::set<std::string> loadable{kDefaultFont, "/fonts/other.sf2"};
    std::vector<std::pair<SoundChoice, RecordingMidiOut*>> made;
    std::function<void()> watch;

private:
    IClock& clock_;
};

int user;  // holds the output, as a playback would

class SoundSetupTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        devices = std::make_unique<FakeDevices>(ports->clock);
        ports->Get().midiDevices = devices.get();
        ASSERT_TRUE(Start());
    }
    void TearDown() override
    {
        app.reset();
        devices.reset();
        AppFixture::TearDown();
    }

    MidiOutput& Output() { return app->Player().Output(); }
    int StoredInt(const char* key) { return ports->Get().settings->GetInt("Settings", key, -1); }
    std::string StoredString(const char* key) { return ports->Get().settings->GetString("Settings", key, "?"); }
    // Chooses the Output list's entry at index with OK.
    void ChooseOutput(int index)
    {
        Answer(IDOK, {{std::to_string(IDC_SOUND_OUTPUT), std::to_string(index)}});
        app->RouteCommand(ID_SOUND_SETTINGS);
    }

    std::unique_ptr<FakeDevices> devices;
};

TEST_F(SoundSetupTest, TheDialogShowsTheOutputsTheSoundFontAndTheVolumeInUse)
{
    Output().SetVolume(70);
    DialogData dialog = MakeSoundSettingsDialog({kSynth, "", 70}, app->Sound().Outputs(), kDefaultFont);
    const DialogControl* output = dialog.Find(IDC_SOUND_OUTPUT);
    ASSERT_NE(output, nullptr);
    EXPECT_EQ(output->choices, (std::vector<std::string>{"Built-in synthesizer", "Piano: In (20:0)"}));
    EXPECT_EQ(output->value, 0);
    EXPECT_EQ(dialog.Find(IDC_SOUND_FONT)->text, kDefaultFont) << "the default shows its path";
    EXPECT_EQ(dialog.Find(IDC_SOUND_VOLUME)->value, 70);

    dialog.Find(IDC_SOUND_FONT)->text = "  /fonts/default-GM.sf2 ";
    dialog.Find(IDC_SOUND_VOLUME)->value = 130;
    const SoundSettings read = ReadSoundSettingsDialog(dialog, app->Sound().Outputs(), kDefaultFont);
    EXPECT_EQ(read.soundFont, "") << "the default's path reads as the default";
    EXPECT_EQ(read.volume, 100);
    EXPECT_EQ(read.output, kSynth);
}

TEST_F(SoundSetupTest, TheVolumeIsHeardWhileSlidingAndKeptOnlyWithOk)
{
    ASSERT_EQ(Output().Volume(), 100) << "full volume without a setting";
    Answer(IDCANCEL, {{std::to_string(IDC_SOUND_VOLUME), "30"}});
    app->RouteCommand(ID_SOUND_SETTINGS);
    EXPECT_EQ(Output().Volume(), 100) << "Cancel puts back the volume the slider changed";
    EXPECT_EQ(StoredInt("Volume"), -1);

    Answer(IDOK, {{std::to_string(IDC_SOUND_VOLUME), "30"}});
    app->RouteCommand(ID_SOUND_SETTINGS);
    EXPECT_EQ(Output().Volume(), 30);
    EXPECT_EQ(StoredInt("Volume"), 30);
    EXPECT_EQ(StoredString("MidiOut"), "?") << "what was not changed is not written, so a choice made for one "
                                               "run by the environment stays out of the settings";
    EXPECT_EQ(StoredString("SoundFont"), "?");
    Restart();
    EXPECT_EQ(app->Player().Output().Volume(), 30) << "the next start takes the volume from the settings";
}

TEST_F(SoundSetupTest, AnotherPortTakesOverWithoutARestartAndHearsTheChannelsSettings)
{
    RecordingMidiOut& synth = ports->midiOut;
    ASSERT_TRUE(Output().Hold(&user));
    Output().Send(0x0A07B0);  // channel 1 volume 10
    Output().Send(0x0030C0);  // program 48

    ChooseOutput(1);
    ASSERT_EQ(devices->made.size(), 1u);
    RecordingMidiOut* port = devices->made[0].second;
    EXPECT_EQ(app->Sound().Output().choice, "alsa:Piano:0");
    EXPECT_FALSE(synth.IsOpen()) << "the synthesizer lets go";
    ASSERT_TRUE(port->IsOpen()) << "the port opens at once, as the output is held";
    std::vector<std::uint32_t> heard;
    for (const RecordedMidiMessage& message : port->Messages())
        heard.push_back(message.message);
    EXPECT_EQ(heard, (std::vector<std::uint32_t>{0x0A07B0, 0x0030C0})) << "the playing file keeps its instruments";
    Output().Send(0x643C90);
    EXPECT_EQ(port->Messages().back().message, 0x643C90u);
    EXPECT_EQ(StoredString("MidiOut"), "alsa:Piano:0");

    ChooseOutput(0);
    EXPECT_EQ(devices->made.size(), 1u) << "the synthesizer the program started with serves again";
    EXPECT_TRUE(synth.IsOpen()) << "and opens for the output still held";
    EXPECT_EQ(StoredString("MidiOut"), kSynth);
}

TEST_F(SoundSetupTest, PortsAreWatchedOnlyOnceASequencerPortIsInUse)
{
    EXPECT_FALSE(devices->watch) << "a start with the synthesizer opens no watching client";
    ChooseOutput(1);
    EXPECT_TRUE(devices->watch) << "choosing a port starts the watch";
    ChooseOutput(0);
    EXPECT_TRUE(devices->watch) << "going back keeps it: a port may be chosen again";

    devices->watch = nullptr;
    devices->start = {"alsa:Piano:0", ""};
    Restart();
    EXPECT_TRUE(devices->watch) << "a start on a port watches from the start";
}

TEST_F(SoundSetupTest, APortThatGoesAwayFallsBackToTheSynthesizerWithAMessage)
{
    ChooseOutput(1);
    ASSERT_TRUE(Output().Hold(&user));
    TakeOutput();
    devices->ports.emplace("alsa:Other:0", "Other: In (21:0)");
    devices->watch();
    EXPECT_EQ(app->Sound().Output().choice, "alsa:Piano:0") << "another port coming changes nothing";
    EXPECT_EQ(TakeOutput(), "");

    devices->Unplug("alsa:Piano:0");
    EXPECT_EQ(app->Sound().Output().choice, kSynth);
    EXPECT_NE(TakeOutput().find("The MIDI output \"Piano: In (20:0)\" is no longer there: the built-in synthesizer "
                                "plays instead."),
              std::string::npos);
    EXPECT_TRUE(ports->midiOut.IsOpen()) << "the playback goes on through the synthesizer";
}

TEST_F(SoundSetupTest, APortThatCannotBeOpenedFallsBackToTheSynthesizer)
{
    devices->unopenable.insert("alsa:Piano:0");
    ChooseOutput(1);
    EXPECT_EQ(app->Sound().Output().choice, "alsa:Piano:0") << "nothing held: nothing opened yet";
    TakeOutput();
    EXPECT_TRUE(Output().Hold(&user)) << "the synthesizer takes the port's place when it is needed";
    EXPECT_EQ(app->Sound().Output().choice, kSynth);
    EXPECT_NE(TakeOutput().find("cannot be opened: the built-in synthesizer plays instead"), std::string::npos);
}

TEST_F(SoundSetupTest, ASoundFontThatCannotBeLoadedIsNamedAndTheDefaultPlays)
{
    Answer(IDOK, {{std::to_string(IDC_SOUND_FONT), "/fonts/missing.sf2"}});
    app->RouteCommand(ID_SOUND_SETTINGS);
    EXPECT_NE(TakeOutput().find("The SoundFont \"/fonts/missing.sf2\" cannot be loaded (there is no such file): the "
                                "default SoundFont \"/fonts/default-GM.sf2\" plays instead."),
              std::string::npos);
    EXPECT_EQ(app->Sound().SoundFontInUse(), kDefaultFont);
    EXPECT_EQ(StoredString("SoundFont"), "?") << "the default was in use and still is";
    EXPECT_TRUE(devices->made.empty()) << "the default is already loaded";

    Answer(IDOK, {{std::to_string(IDC_SOUND_FONT), "/fonts/other.sf2"}});
    app->RouteCommand(ID_SOUND_SETTINGS);
    ASSERT_EQ(devices->made.size(), 1u) << "a new SoundFont makes a new synthesizer";
    EXPECT_EQ(devices->made[0].first, (SoundChoice{kSynth, "/fonts/other.sf2"}));
    EXPECT_EQ(StoredString("SoundFont"), "/fonts/other.sf2");

    Answer(IDOK, {{std::to_string(IDC_SOUND_FONT), "/fonts/missing.sf2"}});
    app->RouteCommand(ID_SOUND_SETTINGS);
    EXPECT_EQ(StoredString("SoundFont"), "") << "a file that cannot be loaded gives way to the default";
    EXPECT_EQ(app->Sound().SoundFontInUse(), kDefaultFont);
}

}  // namespace

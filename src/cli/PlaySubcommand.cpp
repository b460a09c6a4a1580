#include <charconv>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/HomeDir.h"
#include "app/ReferenceApp.h"
#include "cli/ExaminedFile.h"
#include "cli/Subcommands.h"
#include "framework/DocTemplate.h"
#include "midi/MidiCommands.h"
#include "midi/MidiDoc.h"
#include "midi/MidiPlayer.h"
#include "midi/QueueDialog.h"
#include "platform/headless/HeadlessPorts.h"
#include "platform/midiout/CallQueue.h"
#include "platform/midiout/MidiDevices.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/midiout/SenderThread.h"
#include "platform/midiout/SteadyClock.h"
#include "platform/midiout/SynthModule.h"

namespace {

constexpr const char* kUsage = "usage: morvix-cli play FILE [--rate PERCENT] [--queue N] [--real-time]\n";

// Tells whether Play managed to open the output.
class OpenWatch : public IMidiOut {
public:
    explicit OpenWatch(IMidiOut& output) : output_(output) {}
    bool Open() override { return opened = output_.Open() || opened; }
    void Send(std::uint32_t message) override { output_.Send(message); }
    void Close() override { output_.Close(); }
    bool IsOpen() const override { return output_.IsOpen(); }
    void SetVolume(int percent) override { output_.SetVolume(percent); }
    std::string TakeOpenNotice() override { return output_.TakeOpenNotice(); }
    std::string Tried() const override { return output_.Tried(); }
    bool opened = false;

private:
    IMidiOut& output_;
};

std::optional<std::size_t> ParseCount(const std::string& word)
{
    std::size_t value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

struct PlayOptions {
    std::string path;
    double rate = 1.0;
    std::size_t queue = 0;
    bool realTime = false;
};

// The Rate menu's percentages, as typed: "25" to "150".
std::optional<double> RateForPercent(const std::string& percent)
{
    for (const RateCommand& rate : kRateCommands) {
        std::string text(rate.menuText);
        text = text.substr(text.find_first_not_of(' '));
        if (text == percent + "%")
            return rate.rate;
    }
    return std::nullopt;
}

std::optional<PlayOptions> ParsePlayOptions(const SubcommandArgs& args, std::ostream& err)
{
    PlayOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        if (arg == "--real-time") {
            options.realTime = true;
        } else if (arg == "--rate" && hasValue) {
            std::optional<double> rate = RateForPercent(args[++i]);
            if (!rate) {
                err << "morvix-cli play: --rate takes one of 25 33 50 67 75 88 100 112 120 125 133 150\n";
                return std::nullopt;
            }
            options.rate = *rate;
        } else if (arg == "--queue" && hasValue) {
            std::optional<std::size_t> queue = ParseCount(args[++i]);
            if (!queue) {
                err << "morvix-cli play: --queue takes a record number, 0 or more\n";
                return std::nullopt;
            }
            options.queue = *queue;
        } else if (options.path.empty() && !arg.empty() && arg[0] != '-') {
            options.path = arg;
        } else {
            bool valueMissing = (arg == "--rate" || arg == "--queue") && !hasValue;
            err << "morvix-cli play: " << (valueMissing ? MissingValue(arg) : UnknownArgument(arg)) << "\n"
                << kUsage;
            return std::nullopt;
        }
    }
    if (options.path.empty()) {
        err << kUsage;
        return std::nullopt;
    }
    return options;
}

}  // namespace

// Opens the file in a MIDI window of a headless application and chooses Play,
// as a user would; the message boxes print as "message: TEXT". In real time
// the timing thread sends, and this thread follows as the desktop's would.
int PlaySubcommand(const SubcommandArgs& args, std::ostream& out, std::ostream& err)
{
    std::optional<PlayOptions> options = ParsePlayOptions(args, err);
    if (!options)
        return 2;
    HeadlessPorts ports(out, HeadlessPorts::SettingsFromEnvironment(err));
    std::string choice = ChosenMidiOut(ports.settings.get());
    bool realTime = options->realTime || !PlaysOnVirtualTime(choice);
    SteadyClock realClock;
    CallQueue calls;
    std::optional<SenderThread> realSender;
    if (realTime) {
        realSender.emplace(realClock, [&calls](std::function<void()> call) { calls.Post(std::move(call)); });
        ports.Get().sender = &*realSender;
    }
    IClock& clock = realTime ? static_cast<IClock&>(realClock) : ports.clock;
    std::string error;
    SynthModule synth;
    MidiDevices devices(synth.Backend(), clock, {choice, ChosenSoundFont(ports.settings.get())});
    std::unique_ptr<IMidiOut> output = devices.MakeOutput(devices.StartChoice(), error);
    if (!output) {
        err << "morvix-cli play: " << error << "\n";
        return 2;
    }
    OpenWatch watch(*output);
    ports.Get().midiOut = &watch;
    ports.Get().midiDevices = &devices;
    ports.Get().clock = &clock;
    CReferenceApp app(ports.Get(), FindProgramFiles());
    if (!app.InitInstance({}))
        return 1;
    auto* midi = dynamic_cast<CMidiDoc*>(app.Template(kMidiTemplate)->OpenDocumentFile(options->path, true));
    if (!midi) {
        err << "morvix-cli: cannot read " << options->path << "\n";
        return 2;
    }
    if (!midi->File().parsed) {
        err << "morvix-cli play: " << NotAMidiFile(options->path) << "\n";
        return 2;
    }
    std::size_t records = midi->File().playList.size();
    if (options->queue > 0 && options->queue >= records) {
        err << "morvix-cli play: --queue " << options->queue << " is past the last record: the play list has "
            << records << " records\n";
        return 2;
    }
    midi->Playback().rate = options->rate;
    midi->Playback().queuePosition = QueuePositionFor({records, options->queue});
    app.RouteCommand(ID_MIDI_PLAY);
    if (realTime)
        calls.RunUntil([&app] { return !app.Player().Playing(); });
    else
        ports.clock.RunUntilIdle();
    return watch.opened ? 0 : 1;
}

void PlayHelp(std::ostream& out)
{
    out << "Plays the file as Play in its MIDI window does, through the output MORVIX_MIDI_OUT\n"
           "chooses (or the \"MidiOut\" setting; default fluidsynth): fluidsynth, alsa:CLIENT:PORT,\n"
           "null, record:PATH (one line per message: milliseconds and hex message) or wav:PATH.\n"
           "fluidsynth and alsa: play in real time; null, record: and wav: on a virtual clock, as\n"
           "fast as they compute, unless --real-time is given.\n"
           "--rate PERCENT: one of the Rate menu's 25 33 50 67 75 88 100 112 120 125 133 150.\n"
           "--queue N: start at record N of the play list (0: the start), as the Queue dialog.\n"
           "Exit status 0 when the file played, 1 when the output could not be opened, 2 for\n"
           "bad arguments or an unreadable file.\n";
}

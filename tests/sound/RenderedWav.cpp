#include "RenderedWav.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "platform/headless/VirtualClock.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/sound/FluidSynthEngine.h"
#include "platform/sound/SynthOutputs.h"

namespace {

constexpr int kRate = FluidSynthEngine::kSampleRate;
constexpr std::size_t kHeaderSize = 44;

double Sample(const Bytes& bytes, std::size_t at)
{
    const auto low = bytes[at];
    const auto high = static_cast<std::int8_t>(bytes[at + 1]);
    return (high * 256 + low) / 32768.0;
}

void Play(const Bytes& smf, const std::string& output, const RenderChoice& choice)
{
    VirtualClock clock;
    std::string error;
    auto device = MakeMidiOut(output, clock, SynthFactory(choice.soundFont), error);
    ASSERT_TRUE(device) << error;
    MidiPlayer player(MidiPlayerPorts{device.get(), &clock, &clock, nullptr});
    player.Output().SetVolume(choice.volume);
    MidiFile file = LoadMidiFile(smf, player);
    PlaybackSettings settings;
    settings.list = &file.playList;
    settings.division = file.division;
    PlaybackRequest request;
    request.list = &file.playList;
    request.document = &settings;
    ASSERT_EQ(player.Start(std::move(request)), PlaybackStart::Started) << "needs the General MIDI SoundFont";
    clock.RunUntilIdle();
}

}  // namespace

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

RenderedWav RenderWav(const Bytes& smf, const std::string& name, const RenderChoice& choice)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("morvix-sound-" + std::to_string(::getpid()) + "-" + name + ".wav");
    Play(smf, "wav:" + path.string(), choice);
    const Bytes bytes = ReadBytes(path.string());
    std::filesystem::remove(path);
    RenderedWav wav;
    for (std::size_t at = kHeaderSize; at + 4 <= bytes.size(); at += 4) {
        wav.left.push_back(Sample(bytes, at));
        wav.right.push_back(Sample(bytes, at + 2));
    }
    return wav;
}

double Rms(const std::vector<double>& samples, double fromMs, double toMs)
{
    auto from = static_cast<std::size_t>(fromMs * kRate / 1000);
    auto to = std::min(samples.size(), static_cast<std::size_t>(toMs * kRate / 1000));
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += samples[i] * samples[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b, double fromMs, double toMs)
{
    auto from = static_cast<std::size_t>(fromMs * kRate / 1000);
    auto to = static_cast<std::size_t>(toMs * kRate / 1000);
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = from; i < to && i < a.size() && i < b.size(); ++i) {
        ab += a[i] * b[i];
        aa += a[i] * a[i];
        bb += b[i] * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

double PeakDbfs(const RenderedWav& wav)
{
    double peak = 1.0 / 32768;
    for (const auto* channel : {&wav.left, &wav.right})
        for (double sample : *channel)
            peak = std::max(peak, std::fabs(sample));
    return 20 * std::log10(peak);
}

std::size_t LongestClippedRun(const RenderedWav& wav)
{
    std::size_t longest = 0;
    for (const auto* channel : {&wav.left, &wav.right}) {
        std::size_t run = 0;
        for (double sample : *channel) {
            run = std::fabs(sample) >= 32767.0 / 32768 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

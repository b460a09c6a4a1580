#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../unit/midi/SmfBuilder.h"
#include "midi/MidiLoader.h"
#include "midi/MidiPlayer.h"
#include "platform/headless/VirtualClock.h"
#include "platform/sound/FluidSynthEngine.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/sound/SynthOutputs.h"

namespace {

constexpr int kRate = FluidSynthEngine::kSampleRate;

// A note of half a second from the start, then two and a half seconds of nothing.
Bytes OneNote(std::uint8_t program)
{
    TrackBody track;
    track.Event(0, {0xC0, program});
    track.Event(0, {0x90, 69, 110});
    track.Event(96, {0x80, 69, 64});
    track.Event(480, {0xB1, 7, 100});  // another channel's volume: the file's last message, at 3 s
    return Smf(0, 96, {track.End()});
}

// Renders the file through wav: on a virtual clock; the left channel's samples.
std::vector<double> Render(const Bytes& smf, const std::string& name)
{
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("morvix-sound-" + name + ".wav");
    VirtualClock clock;
    std::string error;
    {
        auto output = MakeMidiOut("wav:" + path.string(), clock, SynthFactory(), error);
        MidiPlayer player(MidiPlayerPorts{output.get(), &clock, &clock, nullptr});
        MidiFile file = LoadMidiFile(smf, player);
        PlaybackSettings settings;
        settings.list = &file.playList;
        settings.division = file.division;
        PlaybackRequest request;
        request.list = &file.playList;
        request.document = &settings;
        EXPECT_EQ(player.Start(std::move(request)), PlaybackStart::Started) << "needs the General MIDI SoundFont";
        clock.RunUntilIdle();
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    std::vector<double> left;
    for (std::size_t at = 44; at + 4 <= bytes.size(); at += 4) {
        auto low = static_cast<unsigned char>(bytes[at]);
        auto high = static_cast<signed char>(bytes[at + 1]);
        left.push_back((high * 256 + low) / 32768.0);
    }
    return left;
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

}  // namespace

TEST(WavRenderTest, ANoteSoundsWhileHeldAndIsSilentAfterItsRelease)
{
    if (FluidSynthEngine::DefaultSoundFont().empty())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    std::vector<double> piano = Render(OneNote(0), "piano");
    ASSERT_GE(piano.size(), static_cast<std::size_t>(3 * kRate)) << "the file lasts as long as the song";
    EXPECT_GT(Rms(piano, 50, 450), 0.01);
    EXPECT_LT(Rms(piano, 2500, 3000), 0.0005);
}

TEST(WavRenderTest, AnotherProgramSoundsDifferent)
{
    if (FluidSynthEngine::DefaultSoundFont().empty())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    std::vector<double> piano = Render(OneNote(0), "piano2");
    std::vector<double> flute = Render(OneNote(73), "flute");
    EXPECT_GT(Rms(flute, 50, 450), 0.01);
    EXPECT_LT(Correlation(piano, flute, 50, 450), 0.5);
    EXPECT_GT(Correlation(piano, Render(OneNote(0), "piano3"), 50, 450), 0.99) << "rendering is repeatable";
}

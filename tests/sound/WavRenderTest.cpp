#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../unit/midi/SmfBuilder.h"
#include "RenderedWav.h"
#include "platform/sound/FluidSynthEngine.h"

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

std::vector<double> Render(const Bytes& smf, const std::string& name)
{
    return RenderWav(smf, name).left;
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

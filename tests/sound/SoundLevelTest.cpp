#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../unit/midi/SmfBuilder.h"
#include "RenderedWav.h"
#include "platform/sound/FluidSynthEngine.h"

namespace {

constexpr const char* kDenseFile = "/usr/share/games/openttd/baseset/openmsx/keep_on_rolling.mid";
constexpr const char* kSecondFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// One acoustic grand piano note of a second at velocity 100, then silence.
Bytes PianoNote(std::uint8_t note)
{
    TrackBody track;
    track.Event(0, {0xC0, 0});
    track.Event(0, {0x90, note, 100});
    track.Event(192, {0x80, note, 64});
    track.Event(192, {0xB1, 7, 100});  // the file's last message, at 2 s
    return Smf(0, 96, {track.End()});
}

bool HaveDefaultFont()
{
    return !FluidSynthEngine::DefaultSoundFont().empty();
}

}  // namespace

TEST(SoundLevelTest, APianoNoteAtVelocity100PeaksBetweenMinus12AndMinus3Dbfs)
{
    if (!HaveDefaultFont())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    for (std::uint8_t note : {48, 60, 72}) {
        const double peak = PeakDbfs(RenderWav(PianoNote(note), "level-" + std::to_string(note)));
        EXPECT_GE(peak, -12) << "note " << int(note);
        EXPECT_LE(peak, -3) << "note " << int(note);
    }
}

TEST(SoundLevelTest, ADenseGeneralMidiFileDoesNotClip)
{
    std::error_code code;
    if (!HaveDefaultFont() || !std::filesystem::exists(kDenseFile, code))
        GTEST_SKIP() << "needs the General MIDI SoundFont and the openttd-openmsx package";
    const RenderedWav wav = RenderWav(ReadBytes(kDenseFile), "dense");
    ASSERT_GT(wav.left.size(), 60u * 44100) << "the whole song is rendered";
    const double peak = PeakDbfs(wav);
    EXPECT_LT(peak, -0.1) << "below full scale";
    EXPECT_GT(peak, -6.0) << "and not kept down by a low level";
    EXPECT_EQ(LongestClippedRun(wav), 0u);
}

TEST(SoundLevelTest, TheVolumeLowersTheLevelAndZeroIsSilence)
{
    if (!HaveDefaultFont())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    const double full = PeakDbfs(RenderWav(PianoNote(60), "volume-full"));
    const double half = PeakDbfs(RenderWav(PianoNote(60), "volume-half", {"", 50}));
    EXPECT_LT(half, full - 6) << "half way is clearly quieter";
    EXPECT_GT(half, full - 24);
    EXPECT_LT(PeakDbfs(RenderWav(PianoNote(60), "volume-zero", {"", 0})), -80);
}

TEST(SoundLevelTest, AnotherSoundFontGivesAnotherSignalForTheSameFile)
{
    std::error_code code;
    if (!HaveDefaultFont() || !std::filesystem::exists(kSecondFont, code))
        GTEST_SKIP() << "needs the default SoundFont and timgm6mb-soundfont";
    const RenderedWav standard = RenderWav(PianoNote(60), "font-default");
    const RenderedWav other = RenderWav(PianoNote(60), "font-timgm6mb", {kSecondFont});
    EXPECT_GT(Rms(other.left, 50, 950), 0.01) << "the second SoundFont sounds";
    EXPECT_LT(Correlation(standard.left, other.left, 50, 950), 0.9);
    const RenderedWav again = RenderWav(PianoNote(60), "font-timgm6mb-again", {kSecondFont});
    EXPECT_GT(Correlation(other.left, again.left, 50, 950), 0.99) << "the same SoundFont renders the same";
}

TEST(SoundLevelTest, ASoundFontThatCannotBeLoadedIsNamedAndTheDefaultPlays)
{
    if (!HaveDefaultFont())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    const std::filesystem::path text =
        std::filesystem::temp_directory_path() / ("morvix-sound-" + std::to_string(::getpid()) + "-not-a-font.sf2");
    std::ofstream(text) << "not a SoundFont\n";
    EXPECT_EQ(FluidSynthEngine::SoundFontProblem(text.string()), "it is not a SoundFont");
    EXPECT_EQ(FluidSynthEngine::SoundFontProblem("/nowhere/x.sf2"), "there is no such file");
    EXPECT_EQ(FluidSynthEngine::SoundFontProblem(FluidSynthEngine::DefaultSoundFont()), "");

    auto engine = FluidSynthEngine::Create(text.string());
    std::filesystem::remove(text);
    ASSERT_TRUE(engine) << "the default takes its place";
    EXPECT_EQ(engine->SoundFont(), FluidSynthEngine::DefaultSoundFont());
    EXPECT_NE(engine->TakeNotice().find("\"" + text.string() + "\" cannot be loaded"), std::string::npos);
    EXPECT_EQ(engine->TakeNotice(), "") << "told once";
    EXPECT_EQ(FluidSynthEngine::Create("")->TakeNotice(), "") << "the default needs no word";
}

// A file that starts as a SoundFont but is cut short passes the quick check
// and fails only in the load, which must not complain on stderr either.
TEST(SoundLevelTest, ASoundFontCutShortFailsItsLoadQuietly)
{
    if (!HaveDefaultFont())
        GTEST_SKIP() << "no General MIDI SoundFont installed";
    const std::filesystem::path cut =
        std::filesystem::temp_directory_path() / ("morvix-sound-" + std::to_string(::getpid()) + "-cut-short.sf2");
    std::ofstream(cut, std::ios::binary) << std::string("RIFF\x10\0\0\0sfbkLIST\0\0\0\0", 16);
    ASSERT_EQ(FluidSynthEngine::SoundFontProblem(cut.string()), "") << "it looks like a SoundFont";
    testing::internal::CaptureStderr();
    auto engine = FluidSynthEngine::Create(cut.string());
    const std::string complaints = testing::internal::GetCapturedStderr();
    std::filesystem::remove(cut);
    ASSERT_TRUE(engine) << "the default takes its place";
    EXPECT_EQ(engine->SoundFont(), FluidSynthEngine::DefaultSoundFont());
    EXPECT_EQ(complaints.find("fluidsynth:"), std::string::npos) << complaints;
}

#include <cstdlib>
#include <string>

#include "ScriptFixture.h"

namespace {

class SoundSettingsScenarioTest : public ScriptFixture {
protected:
    void SetUp() override
    {
        ScriptFixture::SetUp();
        ::unsetenv("MORVIX_MIDI_OUT");
        ::unsetenv("MORVIX_SOUNDFONT");
    }
    void TearDown() override
    {
        ::unsetenv("MORVIX_MIDI_OUT");
        ::unsetenv("MORVIX_SOUNDFONT");
        ScriptFixture::TearDown();
    }
};

}  // namespace

// View > Sound Settings... is 32920; its fields: Output 1120, SoundFont 1121, Volume 1124.
TEST_F(SoundSettingsScenarioTest, TheDialogsFieldsAreAnsweredAndPrinted)
{
    ScriptResult result = Run("start\n"
                              "print sound\n"
                              "answer ok 1124=40\n"
                              "cmd 32920\n"
                              "answer cancel 1124=10\n"
                              "cmd 32920\n"
                              "print sound\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& out = result.out;
    EXPECT_EQ(out.rfind("output: MIDI messages kept for print midi\nsoundfont: ", 0), 0u) << out;
    EXPECT_NE(out.find("volume: 100\noutputs:\n* MIDI messages kept for print midi\n  Built-in synthesizer (FluidSynth)\n"),
              std::string::npos)
        << "the output in use is marked, the synthesizer is always offered: " << out;
    EXPECT_NE(out.find("volume: 40\n"), std::string::npos) << "ok keeps the volume, cancel puts it back: " << out;
    EXPECT_EQ(out.find("volume: 10\n"), std::string::npos) << out;
}

TEST_F(SoundSettingsScenarioTest, ASoundFontThatCannotBeLoadedIsNamed)
{
    ScriptResult result = Run("start\n"
                              "answer ok 1121=\"/nowhere/mine.sf2\"\n"
                              "cmd 32920\n"
                              "print sound\n");
    ASSERT_EQ(result.status, 0) << result.err;
    // Under AddressSanitizer the synthesizer module is not found beside the
    // executable (the sanitizer's dlopen looks from its own library), and
    // then the reason given is that one.
    EXPECT_NE(result.out.find("message: The SoundFont \"/nowhere/mine.sf2\" cannot be loaded ("), std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("soundfont: /nowhere"), std::string::npos) << "the default stays in use";
}

TEST_F(SoundSettingsScenarioTest, MorvixSoundfontOverridesForOneRun)
{
    ::setenv("MORVIX_SOUNDFONT", "/usr/share/sounds/sf2/TimGM6mb.sf2", 1);
    ScriptResult result = Run("start\nprint sound\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("soundfont: /usr/share/sounds/sf2/TimGM6mb.sf2\n"), std::string::npos) << result.out;
}

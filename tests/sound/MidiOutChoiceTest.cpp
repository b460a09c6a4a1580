#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/headless/VirtualClock.h"
#include "platform/midiout/MidiOutChoice.h"
#include "platform/sound/SynthOutputs.h"

TEST(MidiOutChoiceTest, EveryNamedOutputIsMadeAndOthersAreRefused)
{
    VirtualClock clock;
    std::string error;
    for (const char* choice : {"fluidsynth", "null", "record:/tmp/x.txt", "wav:/tmp/x.wav", "alsa:128:0"})
        EXPECT_TRUE(MakeMidiOut(choice, clock, SynthFactory(), error)) << choice;
    EXPECT_TRUE(error.empty());
    for (const char* choice : {"", "record:", "wav", "alsa:", "FluidSynth"})
        EXPECT_FALSE(MakeMidiOut(choice, clock, SynthFactory(), error)) << choice;
    EXPECT_NE(error.find("record:PATH"), std::string::npos);
}

TEST(MidiOutChoiceTest, OnlyFileAndNullOutputsPlayOnVirtualTime)
{
    EXPECT_TRUE(PlaysOnVirtualTime("null"));
    EXPECT_TRUE(PlaysOnVirtualTime("record:/tmp/a"));
    EXPECT_TRUE(PlaysOnVirtualTime("wav:/tmp/a.wav"));
    EXPECT_FALSE(PlaysOnVirtualTime("fluidsynth"));
    EXPECT_FALSE(PlaysOnVirtualTime("alsa:20:0"));
}

TEST(MidiOutChoiceTest, TheEnvironmentComesBeforeTheDefault)
{
    ::setenv("MORVIX_MIDI_OUT", "null", 1);
    EXPECT_EQ(ChosenMidiOut(nullptr), "null");
    ::unsetenv("MORVIX_MIDI_OUT");
    EXPECT_EQ(ChosenMidiOut(nullptr), "fluidsynth");
}

TEST(MidiOutChoiceTest, RecordWritesMillisecondsSinceTheFirstOpenAcrossReopens)
{
    std::filesystem::path path = std::filesystem::temp_directory_path() / ("morvix-record-choice-" + std::to_string(::getpid()) + ".txt");
    VirtualClock clock;
    clock.Advance(40);
    std::string error;
    auto output = MakeMidiOut("record:" + path.string(), clock, SynthFactory(), error);
    output->Send(0x90);  // closed: dropped
    ASSERT_TRUE(output->Open());
    output->Send(0x643C90);
    clock.Advance(1500);
    output->Close();
    ASSERT_TRUE(output->Open());
    output->Send(0x403C80);
    output->Close();
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "0 00643C90\n1500 00403C80\n");
    std::filesystem::remove(path);
}

TEST(MidiOutChoiceTest, TheDefaultOutputOpensOnlyWhereThereIsASoundDevice)
{
    VirtualClock clock;
    std::string error;
    auto output = MakeMidiOut("fluidsynth", clock, SynthFactory(), error);
    std::error_code code;
    if (std::filesystem::exists("/dev/snd", code))
        GTEST_SKIP() << "a sound device exists here";
    EXPECT_FALSE(output->Open());
    EXPECT_FALSE(output->IsOpen());
    output->Send(0x643C90);  // has no effect, and no crash
    output->Close();
    EXPECT_FALSE(output->Open()) << "a second try fails the same way";
    EXPECT_EQ(output->Tried().rfind("fluidsynth: ", 0), 0u) << output->Tried();
}

// What an output that did not open tried, for the message the user reads.
TEST(MidiOutChoiceTest, AnOutputThatDoesNotOpenSaysWhatItTried)
{
    VirtualClock clock;
    std::string error;
    auto alsa = MakeMidiOut("alsa:no-such-client:0", clock, SynthFactory(), error);
    ASSERT_TRUE(alsa);
    EXPECT_TRUE(alsa->Tried().empty()) << "nothing tried yet";
    ASSERT_FALSE(alsa->Open());
    EXPECT_EQ(alsa->Tried().rfind("alsa:no-such-client:0: ", 0), 0u) << alsa->Tried();

    auto wav = MakeMidiOut("wav:/no/such/folder/x.wav", clock, SynthFactory(), error);
    ASSERT_FALSE(wav->Open());
    EXPECT_EQ(wav->Tried().rfind("wav:/no/such/folder/x.wav: ", 0), 0u) << wav->Tried();

    auto record = MakeMidiOut("record:/no/such/folder/x.txt", clock, SynthFactory(), error);
    ASSERT_FALSE(record->Open());
    EXPECT_EQ(record->Tried(), "record:/no/such/folder/x.txt: the file could not be written");
}

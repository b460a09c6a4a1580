#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "midi/BeatKeeper.h"
#include "platform/headless/RecordingMidiOut.h"
#include "platform/headless/VirtualClock.h"

namespace {

class FakeLoopHost : public ISoundLoopHost {
public:
    std::optional<ModelNotes> LoopNotes() const override { return notes; }
    void BeginSoundLoop() override { log.push_back("begin"); }
    void LoopNote(int note, bool on, std::int64_t nowMs) override
    {
        log.push_back(std::to_string(nowMs) + (on ? " on " : " off ") + std::to_string(note));
        if (onNote)
            onNote();
    }
    void EndSoundLoop() override { log.push_back("end"); }

    std::optional<ModelNotes> notes = ModelNotes{0, {0, 2, 4, 5, 7, 9, 11}, false};
    std::vector<std::string> log;
    std::function<void()> onNote;
};

class PracticeVoicesTest : public ::testing::Test {
protected:
    // The messages sent so far as "MS HEX" lines, as "print midi" shows them.
    std::string Sent() const
    {
        std::string text;
        for (const RecordedMidiMessage& message : midiOut.Messages()) {
            char line[32];
            std::snprintf(line, sizeof line, "%lld %08X\n", static_cast<long long>(message.timeMs), message.message);
            text += line;
        }
        return text;
    }
    PracticeSettings At(int tempo, int notesPerBeat = 1, int beatsPerBar = 4)
    {
        PracticeSettings settings;
        settings.tempo = tempo;
        settings.notesPerBeat = notesPerBeat;
        settings.beatsPerBar = beatsPerBar;
        return settings;
    }

    VirtualClock clock;
    RecordingMidiOut midiOut{clock};
    MidiOutput output{&midiOut};
    FakeLoopHost host;
    BeatKeeper keeper{{output, clock, clock}, host};
};

}  // namespace

// Two bars of C major up and down at 120 beats per minute, a note a beat:
// the piano first, then each note ending as the next begins.
TEST_F(PracticeVoicesTest, TheLoopPlaysTheScaleOnTheBeatFromTheTonic)
{
    ASSERT_EQ(keeper.StartLoop(At(120)), SoundLoop::Outcome::Started);
    clock.Advance(3999);
    keeper.StopLoop();
    EXPECT_EQ(Sent(), "0 000000C0\n0 00603C90\n"
                      "500 00003C80\n500 00603E90\n1000 00003E80\n1000 00604090\n1500 00004080\n1500 00604190\n"
                      "2000 00004180\n2000 00604390\n2500 00004380\n2500 00604590\n3000 00004580\n3000 00604790\n"
                      "3500 00004780\n3500 00604890\n3999 00004880\n");
    EXPECT_EQ(host.log.front(), "begin");
    EXPECT_EQ(host.log[1], "0 on 60");
    EXPECT_EQ(host.log[2], "500 off 60");
    EXPECT_EQ(host.log.back(), "end");
    EXPECT_FALSE(keeper.LoopRunning());
    EXPECT_FALSE(midiOut.IsOpen()) << "the loop let the output go";
    EXPECT_TRUE(clock.Idle());
}

TEST_F(PracticeVoicesTest, AChangedModelIsHeardFromTheNextNoteStartingItsOwnRound)
{
    keeper.StartLoop(At(120, 2));  // eighth notes: 250 ms apart
    clock.Advance(600);            // C D E have started
    host.notes = ModelNotes{7, {0, 4, 7}, true};  // G major triad
    keeper.ModelChanged();
    clock.Advance(599);
    keeper.ModelChanged();  // the same notes: nothing taken back
    clock.Advance(600);
    keeper.StopLoop();
    EXPECT_EQ(Sent(), "0 000000C0\n0 00603C90\n250 00003C80\n250 00603E90\n500 00003E80\n500 00604090\n"
                      "750 00004080\n750 00603790\n1000 00003780\n1000 00603B90\n1250 00003B80\n1250 00603E90\n"
                      "1500 00003E80\n1500 00603B90\n1750 00003B80\n1750 00603790\n1750 00603B90\n1750 00603E90\n"
                      "1799 00003780\n1799 00003B80\n1799 00003E80\n");
    host.notes.reset();
    keeper.StartLoop(At(120));
    EXPECT_FALSE(keeper.LoopRunning()) << "no primary model";
}

TEST_F(PracticeVoicesTest, AChangeBetweenTwoMessagesOfAStepKeepsTheRestOfThatStep)
{
    keeper.StartLoop(At(120));
    clock.Advance(100);
    // As the first message of the second step goes, the model changes.
    host.onNote = [this] {
        host.onNote = {};
        host.notes = ModelNotes{5, {0, 2, 4, 5, 7, 9, 10}, false};  // F major
        keeper.ModelChanged();
    };
    clock.Advance(600);
    keeper.StopLoop();
    EXPECT_EQ(Sent(), "0 000000C0\n0 00603C90\n500 00003C80\n500 00603E90\n700 00003E80\n")
        << "D, already on its way, still sounds; F major starts on the next step";
    EXPECT_EQ(host.log.back(), "end");
}

TEST_F(PracticeVoicesTest, TheTicksAccentTheFirstBeatOfEachBarAndFlashHalfABeat)
{
    std::vector<std::string> shown;
    keeper.OnTick([&](int beat, int beats) {
        shown.push_back(std::to_string(clock.NowMs()) + " " + std::to_string(beat) + "/" + std::to_string(beats));
    });
    ASSERT_TRUE(keeper.StartTicks(At(120, 1, 3)));
    clock.Advance(3999);
    keeper.StopTicks();
    // Two bars of three, then the first beat of the third.
    EXPECT_EQ(Sent(), "0 007F4C99\n250 00004C89\n500 005A4D99\n750 00004D89\n1000 005A4D99\n1250 00004D89\n"
                      "1500 007F4C99\n1750 00004C89\n2000 005A4D99\n2250 00004D89\n2500 005A4D99\n2750 00004D89\n"
                      "3000 007F4C99\n3250 00004C89\n3500 005A4D99\n3750 00004D89\n");
    EXPECT_EQ(shown[0], "0 1/3");
    EXPECT_EQ(shown[1], "250 0/3");
    EXPECT_EQ(shown[2], "500 2/3");
    EXPECT_EQ(shown[4], "1000 3/3");
    EXPECT_EQ(shown[6], "1500 1/3");
    EXPECT_EQ(shown.back(), "3999 0/3") << "stopping ends the flash";
}

TEST_F(PracticeVoicesTest, WhatStartsSecondComesInOnTheNextBeatAndANewTempoHoldsForBoth)
{
    keeper.StartTicks(At(120));
    clock.Advance(700);
    // The loop at 60 comes in on the ticks' next beat, at 1000; from there
    // both beat once a second.
    ASSERT_EQ(keeper.StartLoop(At(60)), SoundLoop::Outcome::Started);
    clock.Advance(2300);
    keeper.StopAll();
    EXPECT_EQ(Sent(), "0 007F4C99\n250 00004C89\n500 005A4D99\n750 00004D89\n"
                      "1000 000000C0\n1000 00603C90\n1000 005A4D99\n1500 00004D89\n"
                      "2000 00003C80\n2000 00603E90\n2000 005A4D99\n2500 00004D89\n"
                      "3000 00003E80\n3000 00604090\n3000 007F4C99\n3000 00004080\n3000 00004C89\n");
}

TEST_F(PracticeVoicesTest, NothingStartsWithoutAnOutput)
{
    midiOut.SetAvailable(false);
    EXPECT_EQ(keeper.StartLoop(At(120)), SoundLoop::Outcome::NoOutput);
    EXPECT_FALSE(keeper.StartTicks(At(120)));
    EXPECT_TRUE(clock.Idle());
    EXPECT_TRUE(host.log.empty());
}

// A synthesizer that takes 300 ms to open.
class SlowToOpen : public RecordingMidiOut {
public:
    explicit SlowToOpen(VirtualClock& clock) : RecordingMidiOut(clock), clock_(clock) {}
    bool Open() override
    {
        clock_.Advance(300);
        return RecordingMidiOut::Open();
    }

private:
    VirtualClock& clock_;
};

// The first beat is timed once the output is open, not before, so the
// first notes are not sent together late.
TEST_F(PracticeVoicesTest, TheFirstBeatFallsAfterTheOutputHasOpened)
{
    SlowToOpen slow(clock);
    MidiOutput slowOutput(&slow);
    BeatKeeper slowKeeper({slowOutput, clock, clock}, host);
    ASSERT_EQ(slowKeeper.StartLoop(At(120)), SoundLoop::Outcome::Started);
    clock.Advance(600);
    slowKeeper.StopAll();
    ASSERT_GE(slow.Messages().size(), 4u);
    EXPECT_EQ(slow.Messages()[1].timeMs, 300) << "C on the first beat";
    EXPECT_EQ(slow.Messages()[3].timeMs, 800) << "D on the second";
}

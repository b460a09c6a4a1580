#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "../midi/SmfBuilder.h"
#include "AppFixture.h"
#include "app/AppCommands.h"
#include "app/MainFrame.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "instruments/KeyboardDoc.h"
#include "midi/KeyboardInputDoc.h"
#include "MarkedKeys.h"
#include "framework/View.h"
#include "midi/MidiCommands.h"
#include "midi/MidiDoc.h"

namespace {

class MidiInputTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
    }

    void NoteOn(int note, int velocity = 90) { ports->midiIn.Inject(0x90u | note << 8 | velocity << 16); }
    void NoteOff(int note) { ports->midiIn.Inject(0x80u | note << 8 | 64 << 16); }

    CKeyboardDoc* OpenKeyboard()
    {
        Model()->FirstFrame()->Activate();
        app->RouteCommand(ID_INSTRUMENT_FIRST + app->Instruments().FindInstrument("Keyboard-25"));
        return dynamic_cast<CKeyboardDoc*>(app->ActiveFrame()->Document());
    }

    CKeyboardInputDoc* OpenRecorder()
    {
        app->RouteCommand(ID_KEYBOARD_INPUT);
        return dynamic_cast<CKeyboardInputDoc*>(app->ActiveFrame()->Document());
    }

    std::vector<std::uint32_t> SentMessages() const
    {
        std::vector<std::uint32_t> sent;
        for (const RecordedMidiMessage& message : ports->midiOut.Messages())
            sent.push_back(message.message);
        return sent;
    }

    static std::string Mark(const CKeyboardDoc& keys, int note)
    {
        return std::string(keys.noteMarks[static_cast<std::size_t>(note)].Text());
    }
};

}  // namespace

TEST_F(MidiInputTest, TheApplicationListensFromStartToExit)
{
    EXPECT_TRUE(ports->midiIn.Started());
    app->MainFrame().OnClose();
    app.reset();
    EXPECT_FALSE(ports->midiIn.Started());
}

TEST_F(MidiInputTest, ANoteSoundsOnTheFirstChannelThroughTheOutputItOpens)
{
    NoteOn(60);
    NoteOn(64, 0);  // a note off in the guise of a note on
    ports->midiIn.Inject(0x7B00B3);  // all notes off: not a note
    NoteOff(60);
    EXPECT_TRUE(ports->midiOut.IsOpen());
    EXPECT_EQ(ports->midiOut.OpenCount(), 1);
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x5A3C90, 0x004080, 0x403C80}));
}

TEST_F(MidiInputTest, WithoutAnOutputNotesStillMarkAndNothingIsSaid)
{
    CKeyboardDoc* keys = OpenKeyboard();
    ports->midiOut.SetAvailable(false);
    NoteOn(62);
    EXPECT_EQ(TakeOutput(), "");
    EXPECT_TRUE(SentMessages().empty());
    EXPECT_EQ(Mark(*keys, 62), "D");
}

TEST_F(MidiInputTest, HeldNotesMarkTheInstrumentsUntilTheLastIsReleased)
{
    CKeyboardDoc* keys = OpenKeyboard();
    ASSERT_TRUE(keys);
    NoteOn(60);
    NoteOn(67);
    EXPECT_EQ(Model()->State().liveFlag, 1);
    EXPECT_EQ(Mark(*keys, 60), "C");
    EXPECT_EQ(Mark(*keys, 67), "G");
    EXPECT_GT(Model()->noteTables[0][60], 0);
    EXPECT_EQ(Model()->noteTables[1][67], 100) << "the first channel's table";
    NoteOff(60);
    EXPECT_EQ(Mark(*keys, 60), " ") << "a released note leaves a blank of its mark's length";
    EXPECT_EQ(Model()->State().liveFlag, 1) << "G still sounds";
    NoteOff(67);
    EXPECT_EQ(Model()->State().liveFlag, 0) << "the keyboard shows the model's scale again";
    EXPECT_EQ(Model()->noteTables[0][67], 0);
}

TEST_F(MidiInputTest, AStrayNoteOffChangesNothing)
{
    CKeyboardDoc* keys = OpenKeyboard();
    NoteOff(60);
    EXPECT_EQ(Model()->State().liveFlag, 0);
    EXPECT_TRUE(keys->noteMarks[60].Empty());
}

TEST_F(MidiInputTest, AHeldNoteDoesNotStopAFileFromPlayingWhichThenOwnsTheLiveFlag)
{
    CKeyboardDoc* keys = OpenKeyboard();
    TrackBody track;
    track.Event(0, {0x90, 64, 100});
    track.Event(96, {0x80, 64, 0});
    Bytes bytes = Smf(0, 96, {track.End()});
    std::string path = WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
    auto* midi = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
    ASSERT_TRUE(midi);
    NoteOn(60);
    std::vector<std::tuple<int, std::string>> seen;  // live flag, mark of E
    midi->FirstFrame()->Activate();
    app->RouteCommand(ID_MIDI_PLAY);
    RunPlayback([&](std::int64_t) {
        if (!seen.empty())
            return;
        NoteOff(60);  // the playback keeps the model live
        seen.emplace_back(Model()->State().liveFlag, Mark(*keys, 64));
    });
    ASSERT_EQ(seen.size(), 1u) << "the file played";
    EXPECT_EQ(seen[0], std::make_tuple(1, std::string("E")));
    EXPECT_EQ(Model()->State().liveFlag, 0);
    NoteOn(62);
    EXPECT_EQ(Model()->State().liveFlag, 1) << "after the playback, notes make the model live again";
}

TEST_F(MidiInputTest, TheRecorderRecordsOutsideNotesWithTheirTimesAndVelocitiesAndShowsThoseOnItsKeys)
{
    CKeyboardInputDoc* recorder = OpenRecorder();
    ASSERT_TRUE(recorder);
    NoteOn(50);  // not recording yet: shown, not recorded
    EXPECT_EQ(MarkedKeys(*recorder), std::vector<int>{2});
    NoteOff(50);
    app->RouteCommand(ID_RECORDER_RECORD);
    NoteOn(48);
    ports->clock.Advance(150);
    NoteOn(100, 37);  // above the 41 keys: recorded, shown nowhere
    ports->clock.Advance(100);
    NoteOff(48);
    NoteOn(100, 0);  // a note on at velocity 0 ends the note
    EXPECT_TRUE(MarkedKeys(*recorder).empty());
    const MidiEventList& events = recorder->Events();
    std::vector<std::tuple<int, int, int, std::uint64_t>> notes;
    for (std::size_t i = 1; i < events.size(); ++i)
        notes.emplace_back(events[i].kind, events[i].data[0], events[i].data[1], DeltaOf(events, i));
    EXPECT_EQ(notes, (std::vector<std::tuple<int, int, int, std::uint64_t>>{
                         {0x90, 48, 90, 0}, {0x90, 100, 37, 150}, {0x80, 48, 64, 100}, {0x80, 100, 0, 0}}));
}

TEST_F(MidiInputTest, AKeyHeldByBothKeyboardsStaysShownUntilBothLetGo)
{
    CKeyboardInputDoc* recorder = OpenRecorder();
    CView& view = *app->ActiveFrame()->View();
    view.OnKeyDown('Z');
    NoteOn(48);
    NoteOff(48);
    EXPECT_EQ(MarkedKeys(*recorder), std::vector<int>{0}) << "Z still holds it";
    view.OnKeyUp('Z');
    EXPECT_TRUE(MarkedKeys(*recorder).empty());
}

TEST_F(MidiInputTest, TheRecordersPlaybackTakesTheLiveFlagOverFromAHeldNote)
{
    OpenRecorder();
    app->RouteCommand(ID_RECORDER_RECORD);
    CView& view = *app->ActiveFrame()->View();
    view.OnKeyDown('Z');
    ports->clock.Advance(100);
    view.OnKeyUp('Z');
    ports->clock.Advance(200);
    view.OnKeyDown('X');
    ports->clock.Advance(100);
    view.OnKeyUp('X');
    app->RouteCommand(ID_RECORDER_STOP);
    NoteOn(60);
    std::vector<int> live;
    int pauses = 0;
    app->RouteCommand(ID_RECORDER_PLAY);
    // The second wait: between the recording's two notes nothing of it sounds.
    RunPlayback([&](std::int64_t) {
        if (++pauses != 2)
            return;
        NoteOff(60);
        live.push_back(Model()->State().liveFlag);
    });
    EXPECT_EQ(live, std::vector<int>{1}) << "releasing the held note does not end the playback's live flag";
}

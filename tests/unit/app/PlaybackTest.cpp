#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <tuple>
#include <string>
#include <vector>

#include "../instruments/RecordingSurface.h"
#include "../midi/SmfBuilder.h"
#include "AppFixture.h"
#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelDoc.h"
#include "midi/KeyboardInputDoc.h"
#include "MarkedKeys.h"
#include "framework/View.h"
#include "instruments/InstrumCommands.h"
#include "midi/MidiCommands.h"
#include "midi/MidiDoc.h"
#include "midi/MidiPlayer.h"
#include "midi/PlaybackFollower.h"

namespace {

// What Play and Record say when the output cannot open: the classic line,
// then how to choose another output.
const std::string kNoOutputMessage =
    "message: Error opening the default MIDI Out device!\\n\\nChoose the MIDI output in View > Sound Settings..., "
    "with the MORVIX_MIDI_OUT environment variable or the MidiOut value of the Settings section: fluidsynth, "
    "alsa:CLIENT:PORT, null, record:PATH or wav:PATH.\n";

// An instrument window as the player sees it.
class FollowerDoc : public CDocument, public IPlaybackFollower {
public:
    explicit FollowerDoc(int channel) : channel_(channel) {}
    int FollowedChannel() const override { return channel_; }
    void UpdateNoteMarks() override { ++updates; }
    void FinishPlayback() override { ++finished; }
    int updates = 0;
    int finished = 0;

private:
    int channel_;
};

class PlaybackTest : public AppFixture {
protected:
    // Division 96 at 120 beats per minute: a quarter note is 500 ms.
    CMidiDoc* OpenMidi(const TrackBody& track) { return OpenMidiFile("song.mid", Smf(0, 96, {track})); }

    // Writes the file and opens it in a MIDI window; its notices are forgotten.
    CMidiDoc* OpenMidiFile(const std::string& name, const Bytes& bytes)
    {
        std::string path = WriteFile(name, std::string(bytes.begin(), bytes.end())).string();
        auto* doc = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
        TakeOutput();
        return doc;
    }

    // Plays the active MIDI window's file to its end.
    void PlayThrough(const std::function<void(std::int64_t due)>& during = {})
    {
        app->RouteCommand(ID_MIDI_PLAY);
        RunPlayback(during);
    }

    std::vector<std::uint32_t> SentMessages() const
    {
        std::vector<std::uint32_t> sent;
        for (const RecordedMidiMessage& message : ports->midiOut.Messages())
            sent.push_back(message.message);
        return sent;
    }
};

TrackBody KeyChangingSong()
{
    TrackBody track;
    track.Meta(0, 0x59, {2, 0});                // D major
    track.Event(96, {0x90, 60, 100});
    track.Event(96, {0x80, 60, 64});
    track.Meta(0, 0x59, {0xFD, 1});             // C minor
    track.Event(96, {0x91, 64, 90});
    track.Event(96, {0x81, 64, 0});
    return track.End();
}

}  // namespace

TEST_F(PlaybackTest, KeySignaturesMoveThePrimaryModelAndPlaybackPutsItBack)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(32778);  // Key > F
    CModelDoc* model = Model();
    ASSERT_TRUE(OpenMidi(KeyChangingSong()));
    std::vector<std::string> keys;
    PlayThrough([&](std::int64_t) {
        keys.push_back(model->State().keyName + " " + model->State().scaleName);
        EXPECT_EQ(model->State().liveFlag, 1);
    });
    ASSERT_EQ(keys.size(), 6u);  // the play list's measure bars are waited for too
    EXPECT_EQ(keys[0], "D major");
    EXPECT_EQ(keys[2], "C natural minor");
    EXPECT_EQ(model->State().keyName, "F");
    EXPECT_EQ(model->State().scaleName, "major");
    EXPECT_EQ(model->State().liveFlag, 0);
    EXPECT_FALSE(ports->midiOut.IsOpen());
    EXPECT_EQ(app->History().List().SelectedText(), model->State().HistoryEntry());
}

TEST_F(PlaybackTest, ExitDuringPlaybackStoresTheUsersModelAndPlaybackAddsNoHistory)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(32778);  // Key > F
    const std::vector<std::string> before = app->History().List().Items();
    ASSERT_TRUE(OpenMidi(KeyChangingSong()));
    PlayThrough();
    EXPECT_EQ(app->History().List().Items(), before) << "a whole playback";

    int pauses = 0;
    PlayThrough([&](std::int64_t) {
        if (++pauses == 3) {
            ASSERT_EQ(Model()->State().keyName + " " + Model()->State().scaleName, "C natural minor");
            app->RouteCommand(ID_APP_EXIT);
        }
    });
    ASSERT_TRUE(ports->Windows().MainWindow().QuitRequested());
    std::ifstream layout(home / "LAYOUT.USE"), history(home / "HISTORY.USE");
    std::stringstream layoutText, historyText;
    layoutText << layout.rdbuf();
    historyText << history.rdbuf();
    EXPECT_NE(layoutText.str().find("_Model e F major $ none $"), std::string::npos) << layoutText.str();
    for (const char* played : {"D major", "C natural minor"})
        EXPECT_EQ(historyText.str().find(played), std::string::npos) << historyText.str();
    EXPECT_EQ(ports->settings->GetString("Model", "Key", ""), "F");
    EXPECT_EQ(ports->settings->GetString("Model", "Scale", ""), "major");
}

TEST_F(PlaybackTest, NoteTablesHoldTheSoundingNotesPerChannel)
{
    ASSERT_TRUE(Start());
    CModelDoc* model = Model();
    ASSERT_TRUE(OpenMidi(KeyChangingSong()));
    std::vector<std::pair<int, int>> tables;  // all channels, channel 2's entry for 64
    PlayThrough([&](std::int64_t) { tables.emplace_back(model->noteTables[0][60], model->noteTables[2][64]); });
    ASSERT_EQ(tables.size(), 6u);
    EXPECT_EQ(tables[1], std::make_pair(500, 0)) << "note 60 sounding since 500 ms";
    EXPECT_EQ(tables[2], std::make_pair(0, 0));
    EXPECT_EQ(tables[3], std::make_pair(0, 90));
    EXPECT_EQ(tables[5], std::make_pair(0, 0));
}

TEST_F(PlaybackTest, InstrumentsOnChannelMinusOneZeroAndCMarkTheirNotes)
{
    ASSERT_TRUE(Start());
    FollowerDoc all(-1), none(0), second(2);
    for (FollowerDoc* follower : {&all, &none, &second})
        ASSERT_TRUE(Model()->AttachInstrument(follower));
    ASSERT_TRUE(OpenMidi(KeyChangingSong()));
    PlayThrough();
    EXPECT_EQ(all.updates, 4);
    EXPECT_EQ(none.updates, 0);
    EXPECT_EQ(second.updates, 2) << "MIDI channel 1's note on and off";
    for (FollowerDoc* follower : {&all, &none, &second}) {
        EXPECT_EQ(follower->finished, 1);
        Model()->DetachInstrument(follower);
    }
}

TEST_F(PlaybackTest, AnOutputThatCannotOpenSaysSoOnceAndChangesNothing)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    ports->midiOut.SetAvailable(false);
    std::string before = Model()->State().HistoryEntry();
    app->RouteCommand(ID_MIDI_PLAY);
    EXPECT_EQ(TakeOutput(), kNoOutputMessage);
    EXPECT_EQ(Model()->State().HistoryEntry(), before);
    EXPECT_EQ(ports->clock.NowMs(), 0);
    EXPECT_FALSE(midi->Playback().queuePosition);
    ports->midiOut.SetAvailable(true);
    PlayThrough();
    EXPECT_EQ(SentMessages().size(), 6u) << "four notes and All Notes Off on the two channels used";
}

TEST_F(PlaybackTest, StopThenPlayResumesAtOnceAtTheStoppedRecordAndASecondPlayIsIgnored)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    std::int64_t resumed = -1;
    PlayThrough([&](std::int64_t due) {
        app->RouteCommand(ID_MIDI_PLAY);  // ignored while playing
        if (due == 1500) {
            app->RouteCommand(ID_MIDI_STOP);
            EXPECT_FALSE(app->Player().Playing());
            app->RouteCommand(ID_MIDI_PLAY);  // answers at once
            resumed = ports->clock.NowMs();
            EXPECT_TRUE(app->Player().Playing());
        }
    });
    EXPECT_EQ(ports->midiOut.OpenCount(), 2);
    ASSERT_EQ(resumed, 1000);
    // Stopped after the note off at 1000; resumed at once: the note off again,
    // then the stopped note on after its delta.
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643C90, 0x403C80, 0x7BB0, 0x403C80, 0x5A4091, 0x4081,
                                                          0x7BB1}));
    EXPECT_FALSE(midi->Playback().queuePosition) << "a run to the end forgets where Stop left it";
}

TEST_F(PlaybackTest, PlayAfterAFinishedRunStartsAtTheBeginningOrAtTheQueuedRecord)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    PlayThrough([&](std::int64_t due) {
        if (due == 1500)
            app->RouteCommand(ID_MIDI_STOP);
    });
    ASSERT_TRUE(midi->Playback().queuePosition);
    PlayThrough();
    std::size_t before = SentMessages().size();
    PlayThrough();
    EXPECT_EQ(SentMessages().size() - before, 6u) << "the whole file again";
    midi->Playback().queuePosition = 3;
    PlayThrough();
    EXPECT_EQ(midi->Playback().queuePosition, 3u) << "a record chosen to start at stays chosen";
    app->RouteCommand(ID_MIDI_REWIND);
    EXPECT_FALSE(midi->Playback().queuePosition);
}

TEST_F(PlaybackTest, ClosingTheMidiWindowEndsThePlayback)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    PlayThrough([&](std::int64_t due) {
        if (due == 1000)
            midi->FirstFrame()->OnClose();
    });
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643C90, 0x7BB0}));
    EXPECT_EQ(Model()->State().liveFlag, 0);
    EXPECT_EQ(app->Player().CurrentDocument(), nullptr);
}

TEST_F(PlaybackTest, RateItemsCarryACheckMarkForTheRateInForce)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(OpenMidi(KeyChangingSong()));
    EXPECT_TRUE(app->QueryCommand(218).checked);
    EXPECT_FALSE(app->QueryCommand(224).checked);
    app->RouteCommand(224);
    EXPECT_TRUE(app->QueryCommand(224).checked);
    EXPECT_FALSE(app->QueryCommand(218).checked);
    for (int id : {ID_MIDI_PLAY, ID_MIDI_STOP, ID_MIDI_REWIND, ID_MIDI_QUEUE})
        EXPECT_TRUE(app->QueryCommand(id).enabled) << id;
}

TEST_F(PlaybackTest, TheQueueDialogQueuesTheRecordAtTheSlider)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    std::size_t total = midi->File().playList.size();
    Answer(IDOK, {{"1062", "50"}});
    app->RouteCommand(ID_MIDI_QUEUE);
    ASSERT_TRUE(midi->Playback().queuePosition);
    EXPECT_EQ(*midi->Playback().queuePosition, total / 2);
    Answer(IDCANCEL, {{"1062", "90"}});
    app->RouteCommand(ID_MIDI_QUEUE);
    EXPECT_EQ(*midi->Playback().queuePosition, total / 2);
}

TEST_F(PlaybackTest, ActivatingAMidiWindowMakesItTheCurrentDocument)
{
    ASSERT_TRUE(Start());
    CMidiDoc* first = OpenMidi(KeyChangingSong());
    CMidiDoc* other = OpenMidiFile("other.mid", Smf(0, 96, {KeyChangingSong()}));
    ASSERT_TRUE(other);
    EXPECT_EQ(app->Player().CurrentDocument(), &other->Playback());
    first->FirstFrame()->Activate();
    EXPECT_EQ(app->Player().CurrentDocument(), &first->Playback());
}

TEST_F(PlaybackTest, AnotherWindowActivatedDuringPlaybackDoesNotRetimeThePlayingFile)
{
    ASSERT_TRUE(Start());
    CMidiDoc* playing = OpenMidi(KeyChangingSong());
    TrackBody slow;
    slow.Event(0, {0x90, 72, 100});
    slow.Event(24, {0x80, 72, 0});
    CMidiDoc* other = OpenMidiFile("slow.mid", Smf(0, 24, {slow.End()}));
    ASSERT_TRUE(other);
    app->RouteCommand(224);  // 25% in the other window
    playing->FirstFrame()->Activate();
    PlayThrough([&](std::int64_t due) {
        if (due == 500)
            other->FirstFrame()->Activate();
    });
    EXPECT_EQ(ports->midiOut.Messages().back().timeMs, 3974) << "the playing file ends on its own time";
    EXPECT_EQ(app->Player().CurrentDocument(), &other->Playback()) << "Play there plays the other file next";
}

TEST_F(PlaybackTest, AFileEndingLeavesTheOutputOpenForTheRecorderAndAnOutsideKeyboard)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    app->RouteCommand(ID_RECORDER_RECORD);
    midi->FirstFrame()->Activate();
    PlayThrough();
    ASSERT_TRUE(ports->midiOut.IsOpen()) << "the recorder still holds it";
    CFrame* recorder = nullptr;
    for (CFrame* frame : app->Frames())
        if (frame->Document()->kind == 8)
            recorder = frame;
    ASSERT_TRUE(recorder);
    recorder->Activate();
    std::size_t before = ports->midiOut.Messages().size();
    recorder->View()->OnKeyDown('Z');
    EXPECT_EQ(ports->midiOut.Messages().size(), before + 1) << "the next key sounds";
    app->RouteCommand(ID_RECORDER_STOP);
    EXPECT_FALSE(ports->midiOut.IsOpen()) << "closed once the last user let go";
}

// Each track marks its own line; the view follows the track it shows while
// that one plays, else the one that sounded a note last when it looked.
TEST_F(PlaybackTest, EachTrackMarksItsLineAndTheViewFollowsTheTrackItShows)
{
    ASSERT_TRUE(Start());
    TrackBody conductor;
    conductor.Meta(0, 0x51, {0x07, 0xA1, 0x20});
    TrackBody melody, bass;
    for (int i = 0; i < 60; ++i) {
        melody.Event(i == 0 ? 0 : 48, {0x90, 72, 100}).Event(48, {0x80, 72, 0});
        bass.Event(i == 0 ? 0 : 48, {0x91, 36, 100}).Event(48, {0x81, 36, 0});
    }
    CMidiDoc* midi = OpenMidiFile("tracks.mid", Smf(1, 96, {conductor.End(), melody.End(), bass.End()}));
    ASSERT_TRUE(midi);
    IFrameWindow* window = midi->FirstFrame()->Window();
    window->FitClient({600, 150});
    app->RouteCommand(ID_MIDI_PLAY);
    ports->clock.Advance(250 * 100);
    // Lines: path, header, three tracks, empty; the conductor's tempo and end
    // (6, 7), an empty line, the melody's 121 records from 9, the bass's from 131.
    EXPECT_EQ(midi->PlayedLine(0), 6u);
    EXPECT_EQ(midi->PlayedLine(1), 9u + 100);
    EXPECT_EQ(midi->PlayedLine(2), 131u + 100);
    EXPECT_FALSE(midi->TrackPlaying(0)) << "the conductor track has done";
    int x = 0, y = 0;
    const auto inView = [&](std::size_t line) {
        window->GetScrollPosition(x, y);
        const int top = 4 + 15 * static_cast<int>(line);
        return top >= y && top + 15 <= y + 150;
    };
    EXPECT_TRUE(inView(*midi->PlayedLine(1)))
        << "from the top, the conductor done at once, it follows the first track to sound a note";
    window->ScrollTo(0, 4 + 15 * 225);
    ports->clock.Advance(250 * 5);
    EXPECT_TRUE(inView(*midi->PlayedLine(2))) << "scrolled to the bass's mark, it follows the bass";
    EXPECT_FALSE(inView(*midi->PlayedLine(1)));
    ports->clock.Advance(250 * 5);
    ASSERT_TRUE(midi->PlayedLine(2));
    EXPECT_TRUE(inView(*midi->PlayedLine(2)));
    midi->FirstView()->OnKeyDown(35);
    window->GetScrollPosition(x, y);
    const int end = y;
    ports->clock.Advance(250 * 2);
    window->GetScrollPosition(x, y);
    EXPECT_EQ(y, end) << "End to the listing's last line: the view stays there";
    RunPlayback();
}

TEST_F(PlaybackTest, DivisionZeroRefusesToPlayWithAMessage)
{
    ASSERT_TRUE(Start());
    TrackBody track;
    track.Event(0, {0x90, 60, 100});
    track.Event(96, {0x80, 60, 0});
    ASSERT_TRUE(OpenMidiFile("untimed.mid", Smf(0, 0, {track.End()})));
    PlayThrough();
    EXPECT_EQ(TakeOutput(), "message: MIDI division is 0: the file cannot be played.\n");
    EXPECT_TRUE(ports->midiOut.Messages().empty());
    EXPECT_EQ(ports->midiOut.OpenCount(), 0);
}

TEST_F(PlaybackTest, TheListingMarksTheLinePlayingAndKeepsItInView)
{
    ASSERT_TRUE(Start());
    TrackBody track;
    for (int i = 0; i < 100; ++i) {
        track.Event(i == 0 ? 0 : 48, {0x90, 60, 100});
        track.Event(48, {0x80, 60, 0});
    }
    CMidiDoc* midi = OpenMidiFile("long.mid", Smf(0, 96, {track.End()}));
    ASSERT_TRUE(midi);
    IFrameWindow* window = midi->FirstFrame()->Window();
    window->FitClient({600, 300});
    app->RouteCommand(ID_MIDI_PLAY);
    ports->clock.RunDue();
    EXPECT_EQ(midi->PlayedLine(0), 4u) << "the track's first note on, after the path, header, track and empty lines";
    ports->clock.Advance(250 * 150);  // the 151st record of the track
    ASSERT_EQ(midi->PlayedLine(0), 4u + 150);
    EXPECT_TRUE(midi->IsPlayedLine(4 + 150));
    EXPECT_FALSE(midi->IsPlayedLine(4 + 149));
    int x = 0, y = 0;
    window->GetScrollPosition(x, y);
    const int top = 4 + 15 * 154;
    EXPECT_LE(y, top);
    EXPECT_GE(y + 300, top + 15) << "in view";
    RunPlayback();
    EXPECT_FALSE(midi->PlayedLine(0)) << "no mark once the file has played";
    midi->FirstView()->OnKeyDown(36);
    window->GetScrollPosition(x, y);
    EXPECT_EQ(y, 0) << "Home";
    midi->FirstView()->OnKeyDown(35);
    window->GetScrollPosition(x, y);
    EXPECT_EQ(y + 300, 4 + 15 * static_cast<int>(midi->Listing().size()) + 4) << "End shows the last line, no more";
}

namespace {

constexpr int kKeyZ = 'Z';
constexpr int kKeyX = 'X';

class RecorderTest : public PlaybackTest {
protected:
    CKeyboardInputDoc* Recorder() const
    {
        CFrame* frame = app->ActiveFrame();
        return frame ? dynamic_cast<CKeyboardInputDoc*>(frame->Document()) : nullptr;
    }
    CView& View() const { return *app->ActiveFrame()->View(); }
};

}  // namespace

TEST_F(RecorderTest, KeyboardOpensOneRecorderWindow)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    CKeyboardInputDoc* recorder = Recorder();
    ASSERT_TRUE(recorder);
    EXPECT_EQ(recorder->kind, 8);
    EXPECT_EQ(recorder->GetTitle(), "Keyboard Input");
    std::size_t frames = app->Frames().size();
    app->RouteCommand(ID_KEYBOARD_INPUT);
    EXPECT_EQ(app->Frames().size(), frames);
    recorder->FirstFrame()->OnClose();
    app->CollectGarbage();
    app->RouteCommand(ID_KEYBOARD_INPUT);
    EXPECT_TRUE(Recorder());
}

TEST_F(RecorderTest, RecordsNoteOnsAndOffsWithTheMillisecondsBetweenThem)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    app->RouteCommand(ID_RECORDER_RECORD);
    CKeyboardInputDoc* recorder = Recorder();
    View().OnKeyDown(kKeyZ);
    ports->clock.Advance(120);
    View().OnKeyDown(kKeyX);
    View().OnKeyDown(kKeyX);  // a held key repeats
    ports->clock.Advance(200);
    View().OnKeyUp(kKeyX);
    ports->clock.Advance(50);
    View().OnKeyUp('z');
    View().OnKeyDown('A');  // no key of the recorder
    const MidiEventList& events = recorder->Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, 255u);
    EXPECT_EQ(events[0].data, (MidiBytes{42}));
    std::vector<std::tuple<int, int, std::uint64_t>> notes;
    for (std::size_t i = 1; i < events.size(); ++i)
        notes.emplace_back(events[i].kind, events[i].data[0], DeltaOf(events, i));
    EXPECT_EQ(notes, (std::vector<std::tuple<int, int, std::uint64_t>>{
                         {0x90, 48, 0}, {0x90, 50, 120}, {0x80, 50, 200}, {0x80, 48, 50}}));
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643090, 0x643290, 0x643280, 0x643080}));
}

TEST_F(RecorderTest, PlayPlaysTheRecordingBackAndKeysSoundWithoutBeingRecorded)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    app->RouteCommand(ID_RECORDER_RECORD);
    View().OnKeyDown(kKeyZ);
    ports->clock.Advance(300);
    View().OnKeyUp(kKeyZ);
    app->RouteCommand(ID_RECORDER_STOP);
    EXPECT_FALSE(ports->midiOut.IsOpen());
    View().OnKeyDown(kKeyX);  // the output is closed: nothing sounds or is recorded
    View().OnKeyUp(kKeyX);
    EXPECT_EQ(Recorder()->Events().size(), 3u);
    EXPECT_TRUE(Recorder()->keyState[2] == 0);

    std::int64_t start = ports->clock.NowMs();
    app->RouteCommand(ID_RECORDER_PLAY);
    RunPlayback();
    const auto& messages = ports->midiOut.Messages();
    ASSERT_EQ(messages.size(), 6u);
    EXPECT_EQ(messages[2].message, 0x2AFFu);
    EXPECT_EQ(messages[3].timeMs - start, 0);
    EXPECT_EQ(messages[4].timeMs - start, 300);
    EXPECT_FALSE(ports->midiOut.IsOpen());
    EXPECT_EQ(Model()->State().liveFlag, 0);
}

// While the window plays its recording, each sounding note shows on its
// key; a MIDI file's notes do not, and the marks go when the playback ends.
TEST_F(RecorderTest, ItsOwnPlaybackMarksTheSoundingKeys)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    CKeyboardInputDoc* recorder = Recorder();
    app->RouteCommand(ID_RECORDER_RECORD);
    View().OnKeyDown(kKeyX);
    ports->clock.Advance(300);
    View().OnKeyUp(kKeyX);
    app->RouteCommand(ID_RECORDER_STOP);
    std::vector<std::vector<int>> seen;
    app->RouteCommand(ID_RECORDER_PLAY);
    RunPlayback([&](std::int64_t) { seen.push_back(MarkedKeys(*recorder)); });
    EXPECT_EQ(seen, (std::vector<std::vector<int>>{{2}})) << "X's note sounds for its 300 ms";
    EXPECT_TRUE(MarkedKeys(*recorder).empty());

    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    ASSERT_TRUE(midi);
    seen.clear();
    midi->FirstFrame()->Activate();
    app->RouteCommand(ID_MIDI_PLAY);
    RunPlayback([&](std::int64_t) { seen.push_back(MarkedKeys(*recorder)); });
    ASSERT_FALSE(seen.empty());
    for (const std::vector<int>& keys : seen)
        EXPECT_TRUE(keys.empty()) << "a file's notes are not the window's";
}

TEST_F(RecorderTest, RecordWithoutAnOutputWarnsAndPlayOfNothingJustClosesTheOutput)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    ports->midiOut.SetAvailable(false);
    app->RouteCommand(ID_RECORDER_RECORD);
    EXPECT_EQ(TakeOutput(), kNoOutputMessage);
    EXPECT_FALSE(Recorder()->recording);
    ports->midiOut.SetAvailable(true);
    app->RouteCommand(ID_RECORDER_PLAY);
    EXPECT_TRUE(Recorder()->playing);
    RunPlayback();
    EXPECT_FALSE(Recorder()->playing);
    EXPECT_TRUE(ports->midiOut.Messages().empty());
    EXPECT_FALSE(ports->midiOut.IsOpen());
}

TEST_F(RecorderTest, TheViewShowsHeldKeys)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    View().OnKeyDown(kKeyX);
    EXPECT_EQ(MarkedKeys(*Recorder()), std::vector<int>{2});

    // Drawn as a keyboard instrument: 41 key images from C, the held D
    // marked "*" on its key; the text view through Details.
    RecordingSurface graph;
    View().OnDraw(graph);
    ASSERT_EQ(graph.images.size(), 41u);
    EXPECT_EQ(graph.images.front().id, 142);
    ASSERT_EQ(graph.texts.size(), 1u);
    EXPECT_EQ(graph.texts[0].text, "*");
    EXPECT_EQ(graph.texts[0].x, graph.images[2].x + 14 - 4) << "on the D key";
    Answer(IDOK, {{"1055", "1"}, {"1056", "0"}});
    app->RouteCommand(ID_DETAILS);
    RecordingSurface text;
    View().OnDraw(text);
    EXPECT_TRUE(text.images.empty());
    std::vector<std::string> lines = View().AccessibleLines();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_TRUE(lines[9].starts_with("│   │ * │   │")) << "the D, the second white key";
}

TEST_F(RecorderTest, RecordDuringPlaybackEndsItBeforeTheListIsReplaced)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    app->RouteCommand(ID_RECORDER_RECORD);
    View().OnKeyDown(kKeyZ);
    ports->clock.Advance(300);
    View().OnKeyUp(kKeyZ);
    ports->clock.Advance(300);
    View().OnKeyDown(kKeyX);
    View().OnKeyUp(kKeyX);
    std::size_t before = ports->midiOut.Messages().size();
    app->RouteCommand(ID_RECORDER_PLAY);
    bool recorded = false;
    RunPlayback([&](std::int64_t) {
        if (recorded)
            return;
        recorded = true;
        app->RouteCommand(ID_RECORDER_RECORD);
        View().OnKeyDown('C');
    });
    // Marker and first note on, then Record: the playback ends, silencing what
    // it sounded; the new note sounds and is recorded; nothing more plays.
    EXPECT_EQ(ports->midiOut.Messages().size(), before + 4);
    EXPECT_EQ(Recorder()->Events().size(), 2u);
    EXPECT_TRUE(Recorder()->recording);
    EXPECT_TRUE(ports->midiOut.IsOpen()) << "the new recording keeps sounding";
}

TEST_F(RecorderTest, ClosingOrExitingWithAnUnsavedRecordingAsksAsATextWindowDoes)
{
    ASSERT_TRUE(Start());
    app->RouteCommand(ID_KEYBOARD_INPUT);
    app->RouteCommand(ID_RECORDER_RECORD);
    View().OnKeyDown(kKeyZ);
    ports->clock.Advance(200);
    View().OnKeyUp(kKeyZ);
    app->RouteCommand(ID_RECORDER_STOP);
    TakeOutput();

    Answer(IDCANCEL);
    app->RouteCommand(ID_FILE_CLOSE);
    EXPECT_EQ(TakeOutput(), "message: Save changes to Keyboard Input?\n");
    ASSERT_TRUE(Recorder()) << "Cancel keeps the window and its recording";
    Answer(IDCANCEL);
    app->RouteCommand(ID_APP_EXIT);
    EXPECT_EQ(TakeOutput(), "message: Save changes to Keyboard Input?\n");
    EXPECT_FALSE(ports->Windows().MainWindow().QuitRequested());

    Answer(IDYES);
    Answer(IDOK, {{"file", (home / "take").string()}});
    app->RouteCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(std::filesystem::exists(home / "take.mid"));
    EXPECT_EQ(app->ActiveFrame()->Document()->kind, 1) << "saved, the window closed";
}

TEST_F(RecorderTest, NoLetsTheRecordingGoAndASavedRecordingAsksNothing)
{
    ASSERT_TRUE(Start());
    for (int answer : std::vector<int>{IDNO, 0}) {
        app->RouteCommand(ID_KEYBOARD_INPUT);
        app->RouteCommand(ID_RECORDER_RECORD);
        View().OnKeyDown(kKeyZ);
        View().OnKeyUp(kKeyZ);
        if (answer)
            Answer(answer);
        else
            ASSERT_TRUE(Recorder()->WriteRecording((home / "kept.mid").string()));
        TakeOutput();
        app->RouteCommand(ID_FILE_CLOSE);
        EXPECT_EQ(TakeOutput(), answer ? "message: Save changes to Keyboard Input?\n" : "");
        EXPECT_FALSE(Recorder());
    }
}

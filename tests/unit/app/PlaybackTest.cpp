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
    "message: Error opening the default MIDI Out device!\\n\\nChoose the MIDI output with the MORVIX_MIDI_OUT "
    "environment variable or the MidiOut value of the Settings section: fluidsynth, alsa:CLIENT:PORT, null, "
    "record:PATH or wav:PATH.\n";

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
    CMidiDoc* OpenMidi(const TrackBody& track)
    {
        std::string path = WriteFile("song.mid", "").string();
        Bytes bytes = Smf(0, 96, {track});
        WriteFile("song.mid", std::string(bytes.begin(), bytes.end()));
        auto* doc = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
        TakeOutput();
        return doc;
    }

    // Runs check in each pause that waits, with the time it waits until.
    void DuringPauses(std::function<void(std::int64_t deadline)> check)
    {
        if (!check) {
            ports->clock.SetPauseHook({});
            return;
        }
        ports->clock.SetPauseHook([this, check](std::int64_t deadline) {
            if (deadline > ports->clock.NowMs())
                check(deadline);
        });
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
    DuringPauses([&](std::int64_t) {
        keys.push_back(model->State().keyName + " " + model->State().scaleName);
        EXPECT_EQ(model->State().liveFlag, 1);
    });
    ASSERT_TRUE(app->RouteCommand(ID_MIDI_PLAY));
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
    app->RouteCommand(ID_MIDI_PLAY);
    EXPECT_EQ(app->History().List().Items(), before) << "a whole playback";

    int pauses = 0;
    DuringPauses([&](std::int64_t) {
        if (++pauses == 3) {
            ASSERT_EQ(Model()->State().keyName + " " + Model()->State().scaleName, "C natural minor");
            app->RouteCommand(ID_APP_EXIT);
        }
    });
    app->RouteCommand(ID_MIDI_PLAY);
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
    DuringPauses([&](std::int64_t) { tables.emplace_back(model->noteTables[0][60], model->noteTables[2][64]); });
    app->RouteCommand(ID_MIDI_PLAY);
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
    app->RouteCommand(ID_MIDI_PLAY);
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
    app->RouteCommand(ID_MIDI_PLAY);
    EXPECT_EQ(SentMessages().size(), 4u);
}

TEST_F(PlaybackTest, StopThenPlayResumesAtTheStoppedRecordAndASecondPlayIsIgnored)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    DuringPauses([&](std::int64_t deadline) {
        app->RouteCommand(ID_MIDI_PLAY);  // ignored while playing
        if (deadline == 1500)
            app->RouteCommand(ID_MIDI_STOP);
    });
    app->RouteCommand(ID_MIDI_PLAY);
    EXPECT_EQ(ports->midiOut.OpenCount(), 1);
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643C90, 0x403C80}));
    ASSERT_TRUE(midi->Playback().queuePosition);

    DuringPauses({});
    app->RouteCommand(ID_MIDI_PLAY);
    // The note off comes again at once; the stopped note on plays after its delta.
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643C90, 0x403C80, 0x403C80, 0x5A4091, 0x4081}));
    EXPECT_TRUE(midi->Playback().queuePosition) << "the queue position survives playback";
    app->RouteCommand(ID_MIDI_REWIND);
    EXPECT_FALSE(midi->Playback().queuePosition);
}

TEST_F(PlaybackTest, ClosingTheMidiWindowEndsThePlayback)
{
    ASSERT_TRUE(Start());
    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    DuringPauses([&](std::int64_t deadline) {
        if (deadline == 1000)
            midi->FirstFrame()->OnClose();
    });
    app->RouteCommand(ID_MIDI_PLAY);
    EXPECT_EQ(SentMessages(), (std::vector<std::uint32_t>{0x643C90}));
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
    std::size_t total = midi->File().events.size();
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
    std::string second = WriteFile("other.mid", "").string();
    Bytes bytes = Smf(0, 96, {KeyChangingSong()});
    WriteFile("other.mid", std::string(bytes.begin(), bytes.end()));
    auto* other = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(second, true));
    ASSERT_TRUE(other);
    EXPECT_EQ(app->Player().CurrentDocument(), &other->Playback());
    first->FirstFrame()->Activate();
    EXPECT_EQ(app->Player().CurrentDocument(), &first->Playback());
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
    EXPECT_EQ(events[0].kind, 255);
    EXPECT_EQ(events[0].text, "Meta Text Start");
    std::vector<std::tuple<int, int, std::uint64_t>> notes;
    for (std::size_t i = 1; i < events.size(); ++i)
        notes.emplace_back(events[i].kind, events[i].data[0], events[i].delta);
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
    const auto& messages = ports->midiOut.Messages();
    ASSERT_EQ(messages.size(), 5u);
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
    DuringPauses([&](std::int64_t) { seen.push_back(MarkedKeys(*recorder)); });
    app->RouteCommand(ID_RECORDER_PLAY);
    DuringPauses({});
    EXPECT_EQ(seen, (std::vector<std::vector<int>>{{2}})) << "X's note sounds for its 300 ms";
    EXPECT_TRUE(MarkedKeys(*recorder).empty());

    CMidiDoc* midi = OpenMidi(KeyChangingSong());
    ASSERT_TRUE(midi);
    seen.clear();
    DuringPauses([&](std::int64_t) { seen.push_back(MarkedKeys(*recorder)); });
    midi->FirstFrame()->Activate();
    app->RouteCommand(ID_MIDI_PLAY);
    DuringPauses({});
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
    DuringPauses([&](std::int64_t) {
        app->RouteCommand(ID_RECORDER_RECORD);
        View().OnKeyDown('C');
    });
    std::size_t before = ports->midiOut.Messages().size();
    app->RouteCommand(ID_RECORDER_PLAY);
    // Marker and first note on, then Record: the new note sounds and is recorded; nothing more plays.
    EXPECT_EQ(ports->midiOut.Messages().size(), before + 3);
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

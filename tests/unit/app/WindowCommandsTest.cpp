// What the menus promise about windows and commands: items nothing handles
// are greyed, a MIDI file from the recent-file list opens as its listing,
// two windows of one instrument are told apart, and the Chord menu checks
// the chord of a model set by a layout or after playback.
#include <string>

#include "../midi/SmfBuilder.h"
#include "AppFixture.h"
#include "app/AppCommands.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumDoc.h"
#include "midi/KeyboardInputDoc.h"
#include "midi/MidiCommands.h"
#include "midi/MidiDoc.h"

namespace {

class WindowCommandsTest : public AppFixture {
protected:
    int ChordRecord(const std::string& shown) { return app->Chords().FindShown(shown); }
    bool ChordChecked(int record) { return app->QueryCommand(ID_CHORD_FIRST + record).checked; }

    std::string WriteSong()
    {
        TrackBody track;
        track.Meta(0, 0x59, {2, 0});  // D major
        track.Event(96, {0x90, 60, 100});
        track.Event(96, {0x80, 60, 64});
        track.End();
        Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
        Append(file, BigEndian32(static_cast<std::uint32_t>(track.bytes().size())));
        Append(file, track.bytes());
        return WriteFile("song.mid", std::string(file.begin(), file.end())).string();
    }
};

}  // namespace

TEST_F(WindowCommandsTest, ItemsNothingHandlesAreGreyed)
{
    ASSERT_TRUE(Start());
    for (int id : {ID_SOUND_LOOP, ID_START_TICKS, ID_SHOW_TICK, ID_STOP_TICKS})
        EXPECT_FALSE(app->QueryCommand(id).enabled) << id;
    app->RouteCommand(ID_KEYBOARD_INPUT);
    ASSERT_EQ(app->ActiveFrame()->Document()->kind, 8);
    for (int id : {ID_RECORDER_PAUSE, ID_RECORDER_LOOP, ID_RECORDER_PARSE})
        EXPECT_FALSE(app->QueryCommand(id).enabled) << id;
    EXPECT_TRUE(app->QueryCommand(ID_RECORDER_RECORD).enabled);
    EXPECT_TRUE(app->QueryCommand(ID_FILE_CLOSE).enabled);
}

TEST_F(WindowCommandsTest, AMidiFileFromTheRecentFilesOpensAsItsListing)
{
    ASSERT_TRUE(Start());
    std::string song = WriteSong();
    Answer(IDOK, {{"file", song}});
    app->RouteCommand(ID_EXAMINE);
    ASSERT_EQ(app->ActiveFrame()->Document()->kind, 6);
    app->RouteCommand(ID_FILE_CLOSE);
    ASSERT_FALSE(app->RecentFiles().Paths().empty());
    app->RouteCommand(ID_FILE_MRU_FIRST);
    ASSERT_NE(app->ActiveFrame(), nullptr);
    EXPECT_EQ(app->ActiveFrame()->Document()->kind, 6);
    EXPECT_NE(dynamic_cast<CMidiDoc*>(app->ActiveFrame()->Document()), nullptr);
    EXPECT_TRUE(app->Template(kAudioTemplate)->Documents().empty());
}

TEST_F(WindowCommandsTest, TwoWindowsOfOneInstrumentAreNumberedInCaptionsAndTheFrameMenu)
{
    ASSERT_TRUE(Start());
    CInstrumDoc* first = OpenInstrument<CInstrumDoc>("Treble-Clef");
    CInstrumDoc* second = OpenInstrument<CInstrumDoc>("Treble-Clef");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(app->CaptionOf(*first->FirstFrame()), "Treble-Clef:1");
    EXPECT_EQ(app->CaptionOf(*second->FirstFrame()), "Treble-Clef:2");
    EXPECT_EQ(first->GetTitle(), "Treble-Clef");
    MenuPtr frames = Model()->FramePopup();
    ASSERT_EQ(frames->Count(), 2);
    EXPECT_EQ(frames->At(1).text, "Treble-Clef:2");

    second->FirstFrame()->OnClose();
    EXPECT_EQ(app->CaptionOf(*first->FirstFrame()), "Treble-Clef");
    ASSERT_EQ(Model()->FramePopup()->Count(), 1);
    EXPECT_EQ(Model()->FramePopup()->At(0).text, "Treble-Clef");
}

TEST_F(WindowCommandsTest, TheChordCheckFollowsALayoutAndTheModelRestoredAfterPlayback)
{
    ASSERT_TRUE(Start());
    int seventh = ChordRecord("5-7-9-11 V7");
    ASSERT_GT(seventh, 0);
    app->RouteCommand(ID_CHORD_FIRST + seventh);
    Restart();
    ASSERT_TRUE(Model()->State().HasChord());
    EXPECT_TRUE(ChordChecked(seventh));
    EXPECT_FALSE(ChordChecked(0));

    auto* midi = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(WriteSong(), true));
    ASSERT_NE(midi, nullptr);
    app->RouteCommand(ID_MIDI_PLAY);
    Model()->FirstFrame()->Activate();
    ASSERT_TRUE(Model()->State().HasChord());
    EXPECT_TRUE(ChordChecked(seventh));
}

// The Font dialog starts from the size the user chose, not the staff's
// half-height cells: taking it unchanged keeps the font as it was.
TEST_F(WindowCommandsTest, AStaffKeepsItsFontSizeWhenTheFontDialogIsAnsweredUnchanged)
{
    ASSERT_TRUE(Start());
    CInstrumDoc* staff = OpenInstrument<CInstrumDoc>("Treble-Clef");
    ASSERT_NE(staff, nullptr);
    int normal = staff->base.fontHeightNormal;
    int height = staff->base.logFont.height;
    ASSERT_EQ(height, normal / 2);
    for (int i = 0; i < 2; ++i) {
        Answer(IDOK);
        app->RouteCommand(ID_VIEW_FONT);
    }
    EXPECT_EQ(staff->base.fontHeightNormal, normal);
    EXPECT_EQ(staff->base.logFont.height, height);
}

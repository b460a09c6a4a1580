#include <functional>
#include <string>
#include <vector>

#include "../instruments/RecordingSurface.h"
#include "../midi/SmfBuilder.h"
#include "AppFixture.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/Frame.h"
#include "harmony/ModelCommands.h"
#include "harmony/ModelDoc.h"
#include "instruments/InstrumCommands.h"
#include "instruments/KeyboardDoc.h"
#include "instruments/SheetDoc.h"
#include "instruments/SheetImages.h"
#include "midi/MidiCommands.h"
#include "midi/MidiDoc.h"

namespace {

class KeyboardSheetDocTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(Start());
    }

    static std::vector<std::string> Lines(CInstrumDoc& doc)
    {
        doc.BuildLines();
        return doc.base.ValidLines();
    }

    // Division 96 at 120 beats per minute: a quarter note is 500 ms. C5 on
    // channel 1; E5 on channel 1 with G5 on channel 2; then C6.
    CMidiDoc* OpenSong()
    {
        TrackBody track;
        track.Event(0, {0xC0, 0});
        track.Event(0, {0x90, 60, 100});
        track.Event(96, {0x80, 60, 0});
        track.Event(0, {0x90, 64, 100});
        track.Event(0, {0x91, 67, 100});
        track.Event(96, {0x80, 64, 0});
        track.Event(0, {0x81, 67, 0});
        track.Event(0, {0x90, 72, 100});
        track.Event(192, {0x80, 72, 0});
        Bytes bytes = Smf(0, 96, {track.End()});
        std::string path = WriteFile("song.mid", std::string(bytes.begin(), bytes.end())).string();
        auto* doc = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
        TakeOutput();
        return doc;
    }

    // Plays the file to its end; `during` runs whenever the playback waits.
    void Play(CMidiDoc& midi, const std::function<void(std::int64_t due)>& during)
    {
        midi.FirstFrame()->Activate();
        app->RouteCommand(ID_MIDI_PLAY);
        RunPlayback(during);
    }
};

// How many keys carry a label: the horizontal keyboard writes the labels'
// last characters on line 9 (white keys) and line 4 (black keys), a letter
// or an accidental.
int LabelledKeys(const std::vector<std::string>& lines)
{
    int count = 0;
    for (std::size_t row : {4u, 9u})
        for (char c : lines.at(row))
            count += (c >= 'A' && c <= 'G') || c == '#' || c == 'b';
    return count;
}

} // namespace

TEST_F(KeyboardSheetDocTest, AKeyboardOpensFromItsEntryAndFollowsTheModel)
{
    auto* piano = OpenInstrument<CKeyboardDoc>("Piano-88");
    ASSERT_TRUE(piano);
    EXPECT_EQ(piano->kind, 3);
    EXPECT_EQ(piano->keyboard.keyCount, 88);
    EXPECT_EQ(piano->base.viewStyle, 't');
    std::vector<std::string> lines = Lines(*piano);
    ASSERT_EQ(lines.size(), 12u);
    // Seven notes of every twelve keys.
    EXPECT_EQ(LabelledKeys(lines), 52);
    // The labels move with the tonic.
    app->RouteCommand(32781);  // Key > G
    std::vector<std::string> inG = Lines(*piano);
    EXPECT_NE(inG, lines);
    EXPECT_EQ(LabelledKeys(inG), 52);

    piano->base.viewStyle = 'g';
    piano->BuildLines();
    Size size = piano->GetDrawingSize();
    EXPECT_EQ(size.cy, 152);
    RecordingSurface surface;
    piano->Draw(surface);
    EXPECT_EQ(surface.images.size(), 88u);
    EXPECT_EQ(size.cx, piano->graphSize.cx) << "the size before painting is the painted one";
}

TEST_F(KeyboardSheetDocTest, TheKeyboardDetailsDialogChangesTheDrawingAndRefusesWildNumbers)
{
    auto* keys = OpenInstrument<CKeyboardDoc>("Keyboard-25");
    Answer(IDOK, {{"1034", "13"}, {"1029", "0"}, {"1030", "1"}, {"1037", "0"}, {"1043", "1"}, {"1038", "0"},
                  {"1035", "1"}, {"1036", "0"}, {"1041", "3"}, {"1000", "50"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(keys->keyboard.keyCount, 13);
    EXPECT_EQ(keys->keyboard.orientation, 'd');
    EXPECT_EQ(keys->keyboard.topKey, 't');
    EXPECT_EQ(keys->keyboard.position, 'm');
    EXPECT_EQ(keys->channel, 3);
    EXPECT_DOUBLE_EQ(keys->base.fontHeightRatio, 0.5);
    std::vector<std::string> lines = Lines(*keys);
    EXPECT_EQ(lines.size(), 33u) << "a line per key cell, the opening and the closing line";
    EXPECT_EQ(lines[0].size(), 41u);

    for (const char* wild : {"129", "-1"}) {
        Answer(IDOK, {{"1034", wild}});
        app->RouteCommand(ID_DETAILS);
        EXPECT_NE(TakeOutput().find("message: Please enter an integer between 0 and 128."), std::string::npos);
    }
    Answer(IDOK, {{"1041", "17"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_NE(TakeOutput().find("message: Please enter an integer between -1 and 16."), std::string::npos);
    EXPECT_EQ(keys->keyboard.keyCount, 13);
    EXPECT_EQ(keys->channel, 3);

    Answer(1014);
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(keys->keyboard.keyCount, 25);
    EXPECT_EQ(keys->keyboard.orientation, 'a');
    EXPECT_DOUBLE_EQ(keys->base.fontHeightRatio, 1.0);
}

// "Middle C", "Octave" and "Voice" are applied: the keyboard starts on
// the note typed, its marks follow the octave, and a name that is no note
// is refused. Turning the board refits the window to its new shape.
TEST_F(KeyboardSheetDocTest, TheKeyboardDetailsApplyTheFirstKeyOctaveAndVoiceAndRefitATurnedBoard)
{
    auto* keys = OpenInstrument<CKeyboardDoc>("Keyboard-25");
    Rect wide = keys->base.placement.normal;
    Answer(IDOK, {{"1033", "E"}, {"1039", "3"}, {"1040", "19"}, {"1029", "0"}, {"1030", "1"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(keys->keyboard.tuning.Text(), "E");
    EXPECT_EQ(keys->keyboard.octave, 3);
    EXPECT_EQ(keys->keyboard.voice, 19);
    std::vector<std::string> lines = Lines(*keys);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[2].substr(10, 2), "E ") << "the first key is the E typed";
    Rect tall = keys->base.placement.normal;
    EXPECT_LT(tall.right - tall.left, wide.right - wide.left);
    EXPECT_GT(tall.bottom - tall.top, wide.bottom - wide.top);
    EXPECT_EQ(tall.right - tall.left, 8 * (42 + 2) + 25) << "a key's width and the margins";

    Answer(IDOK, {{"1033", "H"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_NE(TakeOutput().find("message: Please enter a note name such as C, F# or Bb."), std::string::npos);
    Answer(IDOK, {{"1040", "128"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_NE(TakeOutput().find("message: Please enter an integer between 0 and 127."), std::string::npos);
    EXPECT_EQ(keys->keyboard.tuning.Text(), "E");
    EXPECT_EQ(keys->keyboard.voice, 19);
}

TEST_F(KeyboardSheetDocTest, TheKeyboardProfileAndStateStringComeBack)
{
    auto* keys = OpenInstrument<CKeyboardDoc>("Keyboard-49");
    keys->keyboard.topKey = 'c';
    keys->keyboard.orientation = 'd';
    keys->base.viewStyle = 'g';
    keys->FirstFrame()->OnClose();
    app->CollectGarbage();

    auto* again = OpenInstrument<CKeyboardDoc>("Keyboard-49");
    EXPECT_EQ(again->keyboard.topKey, 'c');
    EXPECT_EQ(again->keyboard.orientation, 'd');
    EXPECT_EQ(again->base.viewStyle, 'g');
    std::string state = again->FormatKeyboardState();
    EXPECT_NE(state.find("$ _ChordTones n _Keyboard 49 C 4 G 0 0 c s d n"), std::string::npos) << state;

    auto* other = OpenInstrument<CKeyboardDoc>("Piano-76");
    std::string unknown = state;
    unknown.replace(unknown.find("_Keyboard 49 C"), 14, "_Keyboard 37 H");
    ASSERT_TRUE(other->ParseKeyboardState(unknown));
    EXPECT_EQ(other->keyboard.keyCount, 37);
    EXPECT_EQ(other->keyboard.tuning.Text(), "C");
    EXPECT_EQ(other->keyboard.orientation, 'd');
    EXPECT_EQ(other->base.viewStyle, 'g');
    EXPECT_EQ(other->GetTitle(), "Piano-76");
    EXPECT_FALSE(other->ParseKeyboardState("_Keyboards 37 C 4 G 0 0 c s d n"));
}

TEST_F(KeyboardSheetDocTest, ASheetOpensInTheGraphViewWithHalfHeightCells)
{
    auto* staff = OpenInstrument<CSheetDoc>("Grand-Staff");
    ASSERT_TRUE(staff);
    EXPECT_EQ(staff->kind, 4);
    EXPECT_EQ(staff->sheet.clefCode, 'P');
    EXPECT_EQ(staff->sheet.showNotes, 'a');
    EXPECT_EQ(staff->base.viewStyle, 'g');
    EXPECT_DOUBLE_EQ(staff->base.fontHeightRatio, 0.5);
    EXPECT_EQ(Lines(*staff).size(), 75u);
    RecordingSurface surface;
    staff->Draw(surface);
    EXPECT_EQ(surface.ImagesWithId(kTrebleClefImage).size(), 1u);
    EXPECT_EQ(surface.ImagesWithId(kBassClefImage).size(), 1u);
    EXPECT_EQ(staff->GetDrawingSize().cx, staff->graphSize.cx);

    app->RouteCommand(32781);  // Key > G: one sharp on each staff
    RecordingSurface inG;
    staff->Draw(inG);
    EXPECT_EQ(inG.ImagesWithId(kSharpImage).size(), 2u);
}

// The default font is measured at its full cell and halved once: 8 x 6
// cells, as morvix-cli draw --surface draws. A profile or layout saved when
// the halving was applied twice (normal cell 6, font 3) reads back whole.
TEST_F(KeyboardSheetDocTest, ASheetsCellsAreHalfHeightOnceAndHalvedSavesReadBackWhole)
{
    auto* staff = OpenInstrument<CSheetDoc>("Treble-Clef");
    ASSERT_TRUE(staff);
    EXPECT_EQ(staff->base.fontHeightNormal, 12);
    EXPECT_EQ(staff->base.logFont.height, 6);
    EXPECT_EQ(staff->base.logFont.width, 8);
    RecordingSurface surface;
    staff->Draw(surface);
    ASSERT_GE(surface.texts.size(), 2u);
    EXPECT_EQ(surface.texts[1].y - surface.texts[0].y, 6) << "one grid row";

    std::string halved = staff->FormatSheetState();
    std::size_t cell = halved.find(" 0.5 1 12 8 2 6 8 ");
    ASSERT_NE(cell, std::string::npos) << halved;
    halved.replace(cell, 18, " 0.5 1 6 8 2 3 8 ");
    auto* bass = OpenInstrument<CSheetDoc>("Bass-Clef");
    ASSERT_TRUE(bass->ParseSheetState(halved));
    EXPECT_EQ(bass->base.fontHeightNormal, 12);
    EXPECT_EQ(bass->base.logFont.height, 6);

    staff->FirstFrame()->OnClose();
    app->CollectGarbage();
    ports->settings->WriteInt("Treble-Clef", "FontHeightNormal", 6);
    ports->settings->WriteInt("Treble-Clef", "Height", 3);
    auto* again = OpenInstrument<CSheetDoc>("Treble-Clef");
    EXPECT_EQ(again->base.fontHeightNormal, 12);
    EXPECT_EQ(again->base.logFont.height, 6);

    // A font the user chose at a small size is kept as chosen.
    ports->settings->WriteString("Alto-Clef", "SheetClef", "C");
    ports->settings->WriteString("Alto-Clef", "FontName", "DejaVu Sans Mono");
    ports->settings->WriteInt("Alto-Clef", "FontHeightNormal", 6);
    auto* alto = OpenInstrument<CSheetDoc>("Alto-Clef");
    EXPECT_EQ(alto->base.fontHeightNormal, 6);
    EXPECT_EQ(alto->base.logFont.height, 3);
}

TEST_F(KeyboardSheetDocTest, TheSheetProfileStateStringAndDetails)
{
    auto* staff = OpenInstrument<CSheetDoc>("Treble-Clef");
    Answer(IDOK, {{"1061", "2"}, {"1068", "Yes"}, {"1055", "1"}, {"1056", "0"}, {"1057", "1"}, {"1059", "0"}});
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(staff->channel, 2);
    EXPECT_EQ(staff->sheet.highlight, 'y');
    EXPECT_EQ(staff->base.viewStyle, 't');
    EXPECT_EQ(staff->sheet.showNotes, 'e');
    std::vector<std::string> lines = Lines(*staff);
    // The text view writes the clef's name down column 0, "Treble" in rows 8 to 13.
    EXPECT_EQ(lines[22 + 6][0], ' ');
    EXPECT_EQ(lines[22 + 8][0], 'T');
    EXPECT_EQ(lines[22 + 13][0], 'e');

    staff->base.fontHeightRatio = 1.0;  // written as "1", read back as a sheet's 0.5
    staff->FirstFrame()->OnClose();
    app->CollectGarbage();
    auto* again = OpenInstrument<CSheetDoc>("Treble-Clef");
    EXPECT_EQ(again->sheet.highlight, 'y');
    EXPECT_EQ(again->base.viewStyle, 't');
    EXPECT_EQ(again->sheet.showNotes, 'a') << "not kept in the profile";
    EXPECT_DOUBLE_EQ(again->base.fontHeightRatio, 0.5);

    std::string state = again->FormatSheetState();
    EXPECT_TRUE(state.ends_with("$ _ChordTones n _Sheet G")) << state;
    auto* bass = OpenInstrument<CSheetDoc>("Bass-Clef");
    ASSERT_TRUE(bass->ParseSheetState(state));
    EXPECT_EQ(bass->sheet.clefCode, 'G');
    EXPECT_FALSE(bass->ParseSheetState("_Sheets F"));
    EXPECT_EQ(bass->sheet.clefCode, 'G');

    Answer(1014);
    app->RouteCommand(ID_DETAILS);
    EXPECT_EQ(bass->sheet.clefCode, 'F');
    EXPECT_EQ(bass->base.viewStyle, 'g');
}

TEST_F(KeyboardSheetDocTest, KeyboardsMarkTheNotesOfTheirChannelWhileAFilePlays)
{
    auto* all = OpenInstrument<CKeyboardDoc>("Keyboard-25");
    auto* second = OpenInstrument<CKeyboardDoc>("Keyboard-37");
    second->channel = 2;
    auto* none = OpenInstrument<CKeyboardDoc>("Keyboard-49");
    none->channel = 0;
    CMidiDoc* midi = OpenSong();
    ASSERT_TRUE(midi);
    std::vector<std::string> marks;
    Play(*midi, [&](std::int64_t) {
        std::string seen;
        for (CKeyboardDoc* doc : {all, second, none}) {
            seen += '[';
            for (int note : {60, 64, 67, 72})
                seen += std::string(doc->noteMarks[static_cast<std::size_t>(note)].Text());
            seen += ']';
        }
        marks.push_back(seen);
        EXPECT_EQ(LabelledKeys(Lines(*none)), 0) << "live: only marks are labels";
    });
    // A note that stops leaves blanks until the next update of its window.
    ASSERT_GE(marks.size(), 4u);
    EXPECT_EQ(marks[0], "[C][][]");
    EXPECT_EQ(marks[1], "[EG][G][]");
    EXPECT_EQ(marks[2], "[C][ ][]");
    EXPECT_EQ(marks.back(), "[ ][ ][]");
    EXPECT_EQ(LabelledKeys(Lines(*all)), 15) << "the scale's labels are back";
}

// Choosing channel 0 (none) while notes sound takes their marks away at
// once rather than leaving them frozen.
TEST_F(KeyboardSheetDocTest, ChannelNoneRemovesTheMarksThatWereShowing)
{
    auto* keys = OpenInstrument<CKeyboardDoc>("Keyboard-25");
    CMidiDoc* midi = OpenSong();
    ASSERT_TRUE(midi);
    std::vector<int> labelled;
    bool switched = false;
    Play(*midi, [&](std::int64_t) {
        if (switched || keys->noteMarks[60].Text() != "C")
            return;
        keys->FirstFrame()->Activate();
        Answer(IDOK, {{"1049", "0"}});
        app->RouteCommand(ID_CHANNEL);
        switched = true;
        EXPECT_EQ(keys->channel, 0);
        EXPECT_TRUE(keys->noteMarks[60].Empty());
        labelled.push_back(LabelledKeys(Lines(*keys)));
    });
    ASSERT_TRUE(switched);
    EXPECT_EQ(labelled, std::vector<int>{0});
}

TEST_F(KeyboardSheetDocTest, TheStaffDrawsThePlayedNotesAndMovesTheHighlight)
{
    auto* staff = OpenInstrument<CSheetDoc>("Treble-Clef");
    staff->sheet.highlight = 'y';
    CMidiDoc* midi = OpenSong();
    std::vector<std::size_t> notesDrawn;
    std::vector<std::size_t> bands;
    Play(*midi, [&](std::int64_t) {
        EXPECT_TRUE(staff->sheet.playbackActive);
        RecordingSurface surface;
        staff->Draw(surface);
        std::size_t notes = 0;
        for (int id : {kQuarterUpImage, kQuarterDownImage, kHalfUpImage, kHalfDownImage})
            notes += surface.ImagesWithId(id).size();
        notesDrawn.push_back(notes);
        bands.push_back(surface.inverted.size());
    });
    ASSERT_GE(notesDrawn.size(), 3u);
    EXPECT_EQ(notesDrawn.back(), 4u) << "every note of the page, from the page's start";
    EXPECT_EQ(bands.back(), 1u);
    EXPECT_FALSE(staff->sheet.playbackActive);
    RecordingSurface after;
    staff->Draw(after);
    EXPECT_TRUE(after.ImagesWithId(kQuarterUpImage).empty());
    EXPECT_TRUE(after.inverted.empty());
}

// A page played from a queued point is spelled in the key signature in
// force at the page's start: the model meanwhile took the later key (E flat
// major), the page from the file's start still shows D major's sharps.
TEST_F(KeyboardSheetDocTest, APagePlayedFromAQueuedPointKeepsTheKeyOfItsOwnPlace)
{
    auto* staff = OpenInstrument<CSheetDoc>("Treble-Clef");
    TrackBody track;
    track.Meta(0, 0x59, {2, 0});  // D major
    track.Event(0, {0x90, 66, 100});
    track.Event(96, {0x80, 66, 0});
    track.Meta(0, 0x59, {0xFD, 0});  // E flat major
    track.Event(0, {0x90, 70, 100});
    track.Event(96, {0x80, 70, 0});
    track.Event(0, {0x90, 63, 100});
    track.Event(96, {0x80, 63, 0});
    Bytes bytes = Smf(0, 96, {track.End()});
    std::string path = WriteFile("keys.mid", std::string(bytes.begin(), bytes.end())).string();
    auto* midi = dynamic_cast<CMidiDoc*>(app->Template(kMidiTemplate)->OpenDocumentFile(path, true));
    ASSERT_TRUE(midi);
    TakeOutput();
    const PlayList& list = midi->File().playList;
    std::size_t queued = 0;
    while (queued < list.size() && !(list[queued].kind == MidiKind::NoteOn && list[queued].data[0] == 70))
        ++queued;
    ASSERT_LT(queued, list.size());
    midi->Playback().queuePosition = queued;

    // The key signature's signs stand left of the played notes (column 15 on).
    std::vector<std::pair<int, int>> signature;
    std::string modelKey;
    Play(*midi, [&](std::int64_t) {
        RecordingSurface surface;
        staff->Draw(surface);
        int sharps = 0, flats = 0;
        for (const DrawnImage& image : surface.images) {
            if (image.x >= 4 + 14 * staff->base.logFont.width)
                continue;
            sharps += image.id == kSharpImage;
            flats += image.id == kFlatImage;
        }
        signature.emplace_back(sharps, flats);
        modelKey = Model()->State().keyName;
    });
    ASSERT_FALSE(signature.empty());
    EXPECT_EQ(modelKey, "Eb") << "the model follows the file's later key";
    EXPECT_EQ(signature.front(), std::make_pair(2, 0)) << "D major's two sharps, not E flat's three flats";
}

TEST_F(KeyboardSheetDocTest, TheChannelDialogListsTheCurrentFilesProgramsAndSetsTheChannel)
{
    auto* keys = OpenInstrument<CKeyboardDoc>("Keyboard-25");
    Answer(IDOK, {{"1049", "0"}});
    app->RouteCommand(ID_CHANNEL);
    DialogData shown = ports->prompts.LastDialog();
    EXPECT_EQ(keys->channel, 0);
    EXPECT_EQ(shown.caption, "Channel");
    ASSERT_TRUE(shown.Find(1049));
    EXPECT_EQ(shown.Find(1049)->value, 0) << "-1 is the first item";
    EXPECT_EQ(shown.Find(1067)->choices, std::vector<std::string>{"No Midi file currently examined."});

    OpenSong();
    keys->FirstFrame()->Activate();
    Answer(IDCANCEL);
    app->RouteCommand(ID_CHANNEL);
    shown = ports->prompts.LastDialog();
    EXPECT_EQ(keys->channel, 0);
    EXPECT_EQ(shown.Find(1049)->value, 1);
    ASSERT_EQ(shown.Find(1067)->choices.size(), 2u);
    EXPECT_EQ(shown.Find(1067)->choices[0], "Channel Program Events:");
    EXPECT_NE(shown.Find(1067)->choices[1].find("Program: channel 1, number 0"), std::string::npos);
}

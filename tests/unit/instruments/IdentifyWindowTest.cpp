#include <gtest/gtest.h>

#include <string>

#include "harmony/ChordCatalog.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/IdentifyDoc.h"
#include "instruments/IdentifyHost.h"
#include "instruments/IdentifyLayout.h"
#include "instruments/IdentifyView.h"

TEST(IdentifyLayout, BlackKeysLieOverTheWhiteKeysAndMissesHitNothing)
{
    IdentifyLayout layout(16, 8);
    Rect c = layout.KeyRect(0);
    Rect cSharp = layout.KeyRect(1);
    Rect b = layout.KeyRect(11);
    EXPECT_EQ(layout.KeyAt(c.left + 2, c.bottom - 2), 0);
    EXPECT_EQ(layout.KeyAt(cSharp.left + 1, cSharp.top + 1), 1);
    EXPECT_EQ(layout.KeyAt(c.right - 1, c.bottom - 1), 0);   // below the black key
    EXPECT_EQ(layout.KeyAt(b.right - 1, b.top + 1), 11);
    EXPECT_EQ(layout.KeyAt(b.right, b.top + 1), -1);
    EXPECT_EQ(layout.KeyAt(c.left - 1, c.top + 1), -1);
    EXPECT_EQ(layout.KeyAt(c.left + 2, c.bottom), -1);
    EXPECT_EQ(layout.KeyAt(layout.KeyRect(6).left + 1, layout.KeyRect(6).top), 6);
}

TEST(IdentifyLayout, RowsFollowTheHeadingOneLineEach)
{
    IdentifyLayout layout(14, 8);
    EXPECT_LT(layout.NotesTop(), layout.HeaderTop());
    EXPECT_EQ(layout.RowAt(layout.ResultTop(0) - 1, 5), -1);
    EXPECT_EQ(layout.RowAt(layout.ResultTop(0), 5), 0);
    EXPECT_EQ(layout.RowAt(layout.ResultTop(1) - 1, 5), 0);
    EXPECT_EQ(layout.RowAt(layout.ResultTop(4) + 13, 5), 4);
    EXPECT_EQ(layout.RowAt(layout.ResultTop(5), 5), -1);
    EXPECT_EQ(layout.DrawingSize(5, 10).cy, layout.ResultTop(5) + IdentifyLayout::kMargin);
}

namespace {

class FakeHost : public IIdentifyHost {
public:
    FakeHost()
    {
        scales.Load(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE");
        chords.Load(std::string(MORVIX_SOURCE_DIR) + "/res/CHORDS.USE");
    }
    const CScaleCatalog& Scales() const override { return scales; }
    const CChordCatalog& Chords() const override { return chords; }
    void ShowInPrimaryModel(const std::string& key, int scale, int chord) override
    {
        shown = key + " " + scales.GetFullName(scale) + " " + (chord >= 0 ? chords.GetKey(chord) : "-");
    }

    CScaleCatalog scales;
    CChordCatalog chords;
    std::string shown;
};

class IdentifyDocTest : public ::testing::Test {
protected:
    std::string Line(int index) { return CIdentifyView::TextLines(doc)[static_cast<std::size_t>(index)]; }

    FakeHost host;
    CIdentifyDoc doc{host};
};

} // namespace

TEST_F(IdentifyDocTest, MidiNoteOnsAddPitchClassesAndNoteOffsKeepThem)
{
    doc.NoteInput(60, true, 100);
    doc.NoteInput(60, false, 0);
    doc.NoteInput(76, true, 100);
    doc.NoteInput(43, true, 100);
    doc.NoteInput(67, true, 100);
    doc.NoteInput(62, false, 0);
    EXPECT_EQ(doc.Notes(), PitchBit(0) | PitchBit(4) | PitchBit(7));
    // The lowest note played comes first: C major over its fifth.
    EXPECT_EQ(Line(0), "Notes:  G C E");
    ASSERT_FALSE(doc.Results().empty());
    EXPECT_EQ(doc.Fields(doc.Results()[0])[3], "maj");
    doc.NoteInput(33, true, 100);  // a lower A: the chord is heard over it
    EXPECT_EQ(Line(0), "Notes:  A G C E");
    EXPECT_EQ(doc.Fields(doc.Results()[0])[1], "A");
    EXPECT_EQ(doc.Fields(doc.Results()[0])[3], "min7");
}

TEST_F(IdentifyDocTest, NotesKeepTheOrderAndTheNamesTheyWereEnteredWith)
{
    PlayedNotes typed = PlayedFromNames({"A#", "c##4", "E#", "G#"});
    doc.SetPlayed(typed);
    EXPECT_EQ(Line(0), "Notes:  A# C## E# G#");
    EXPECT_EQ(Line(2).substr(0, 14), "  chord  A#   ");
    doc.ToggleNote(3);  // D#: one more note at the end, by its plain name
    EXPECT_EQ(Line(0), "Notes:  A# C## E# G# Eb");
    doc.ToggleNote(22);  // A# from the upper octave of the recorder: taken away, name and all
    EXPECT_EQ(Line(0), "Notes:  C## E# G# Eb");
    doc.ToggleNote(10);
    EXPECT_EQ(Line(0), "Notes:  C## E# G# Eb Bb");
}

TEST_F(IdentifyDocTest, RecorderKeysToggleOncePerPress)
{
    EXPECT_TRUE(doc.KeyDown('Z'));   // C
    EXPECT_TRUE(doc.KeyDown('Z'));   // a repeat of the held key
    EXPECT_EQ(doc.Notes(), PitchBit(0));
    EXPECT_TRUE(doc.KeyUp('Z'));
    EXPECT_TRUE(doc.KeyDown(188));   // C an octave up (the comma key): takes C away again
    EXPECT_EQ(doc.Notes(), 0);
    EXPECT_TRUE(doc.KeyDown('Z'));   // pressed anew after its release
    EXPECT_EQ(doc.Notes(), PitchBit(0));
    EXPECT_TRUE(doc.KeyUp(188));
    EXPECT_TRUE(doc.KeyUp('Z'));
    EXPECT_TRUE(doc.KeyDown(188));
    EXPECT_EQ(doc.Notes(), 0);
    EXPECT_FALSE(doc.KeyDown('A'));
    EXPECT_EQ(Line(0), "Notes:  (none)");
    EXPECT_TRUE(doc.Results().empty());
}

TEST_F(IdentifyDocTest, NewNotesDropTheSelectionAndShowGoesToTheHost)
{
    doc.SetNotes(PitchBit(2) | PitchBit(5) | PitchBit(9));
    doc.ShowSelected();
    EXPECT_EQ(host.shown, "");
    doc.Select(1);
    EXPECT_EQ(Line(3).substr(0, 2), "* ");
    EXPECT_EQ(Line(2).substr(0, 2), "  ");
    doc.ShowSelected();
    EXPECT_EQ(host.shown, "C major II");

    doc.Select(static_cast<int>(doc.Results().size()) - 1);
    doc.ShowSelected();
    EXPECT_EQ(host.shown.substr(host.shown.size() - 2), " -");

    doc.ToggleNote(0);
    EXPECT_EQ(doc.Selected(), -1);
    doc.Select(static_cast<int>(doc.Results().size()));
    EXPECT_EQ(doc.Selected(), -1);
    doc.Clear();
    EXPECT_EQ(doc.Notes(), 0);
}

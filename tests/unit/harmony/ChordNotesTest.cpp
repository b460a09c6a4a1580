#include <gtest/gtest.h>

#include "HarmonyFixture.h"
#include "harmony/IntervalSpelling.h"

TEST(IntervalSpelling, LetterComesFromTheNumberAndAccidentalsFromTheSemitones)
{
    EXPECT_EQ(SpellInterval("C", 3, 3), "Eb");
    EXPECT_EQ(SpellInterval("F", 4, 6), "B");
    EXPECT_EQ(SpellInterval("F", 5, 6), "Cb");
    EXPECT_EQ(SpellInterval("C", 7, 9), "Bbb");
    EXPECT_EQ(SpellInterval("G#", 7, 11), "F##");
    EXPECT_EQ(SpellInterval("Db", 9, 13), "Ebb");
    EXPECT_EQ(SpellInterval("B", 8, 12), "B");
    // Far-fetched qualities take the shorter way round the octave.
    EXPECT_EQ(SpellInterval("C", 1, 7), "Cbbbbb");
    EXPECT_EQ(SpellInterval("C", 1, 6), "C######");
}

TEST(IntervalSpelling, PitchClassOfNamesWithAnyAccidentals)
{
    EXPECT_EQ(PitchClassOfName("C"), 0);
    EXPECT_EQ(PitchClassOfName("Cb"), 11);
    EXPECT_EQ(PitchClassOfName("b#"), 0);
    EXPECT_EQ(PitchClassOfName("Ebbb"), 1);
    EXPECT_EQ(PitchClassOfName("H"), -1);
    EXPECT_EQ(PitchClassOfName("C+"), -1);
    EXPECT_EQ(PitchClassOfName(""), -1);
}

class ChordNotes : public HarmonyFixture {
protected:
    std::string NotesOf(const std::string& key, const std::string& scale, const std::string& group,
                        const std::string& chord)
    {
        model.SelectKey(key);
        model.SelectScale(Scale(scale));
        model.SelectChord(Chord(group, chord));
        model.Recompute({});
        return model.ChordNoteNames();
    }
};

TEST_F(ChordNotes, AddedIntervalsAreSpelledByTheirNumber)
{
    EXPECT_EQ(NotesOf("C", "major", "interval", "m3"), "C Eb");
    EXPECT_EQ(NotesOf("F", "major", "interval", "A4"), "F B");
    EXPECT_EQ(NotesOf("F", "major", "interval", "d5"), "F Cb");
    EXPECT_EQ(NotesOf("C", "major", "seventh", "dim7"), "C Eb Gb Bbb");
    EXPECT_EQ(NotesOf("D#", "major", "triad", "min"), "D# F# A#");
    EXPECT_EQ(NotesOf("G#", "major", "seventh", "maj7"), "G# B# D# F##");
    EXPECT_EQ(NotesOf("Db", "major", "triad", "aug"), "Db F A");
}

TEST_F(ChordNotes, TonesComeLowestFirstAcrossTheOctave)
{
    EXPECT_EQ(NotesOf("C", "major", "added", "add9"), "C E G D");
    EXPECT_EQ(NotesOf("C", "major", "added", "add2"), "C D E G");
    EXPECT_EQ(NotesOf("C", "major", "extended", "13b9"), "C E G Bb Db A");
    EXPECT_EQ(NotesOf("C", "major", "triad", "V"), "G B D");
}

TEST_F(ChordNotes, DegreesKeepTheScaleSpelling)
{
    EXPECT_EQ(NotesOf("F", "major", "triad", "I"), "F A C");
    EXPECT_EQ(NotesOf("A", "harmonic minor", "seventh", "VII7"), "G# B D F");
    EXPECT_EQ(NotesOf("C", "minor pentatonic", "triad", "I"), "C F Bb");
}

TEST_F(ChordNotes, ChordsOfTheKeyWithoutItsTonicCountFromTheKey)
{
    EXPECT_EQ(NotesOf("C", "major", "altered", "N6"), "F Ab Db");
    EXPECT_EQ(NotesOf("C", "major", "altered", "Ger+6"), "Ab C Eb F#");
}

TEST_F(ChordNotes, ReportGetsANotesLineAfterTheIntervalsOnlyWithAChord)
{
    model.SelectChord(Chord("extended", "I9"));
    model.Recompute({"Piano"});
    std::string tail = "\r\nIntervals:  2 2 1 2 2 2 1 \r\nNotes:  C E G B D\r\n\r\nInstruments:\r\n  Piano\r\n";
    EXPECT_TRUE(model.reportText.ends_with(tail)) << model.reportText;
    EXPECT_NE(model.reportText.find("\r\nSpan:  "), std::string::npos);

    model.SelectChord(0);
    model.Recompute({});
    EXPECT_EQ(model.reportText.find("Notes:"), std::string::npos);
}

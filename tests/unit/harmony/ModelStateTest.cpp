#include "HarmonyFixture.h"

using ModelState = HarmonyFixture;

TEST_F(ModelState, DefaultsAreCMajorWithoutChord)
{
    EXPECT_EQ(model.keyName, "C");
    EXPECT_EQ(model.scaleIndex, 0);
    EXPECT_EQ(model.scaleName, "major");
    EXPECT_EQ(model.chordName, "");
    EXPECT_EQ(model.notation, 'e');
    EXPECT_EQ(model.chordset, 'c');
    EXPECT_EQ(model.noteCount, 7);
}

TEST_F(ModelState, SelectKeyTakesTheSpellingOfTheName)
{
    ASSERT_TRUE(model.SelectKey("Db"));
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.tonic, 1);
    ASSERT_TRUE(model.SelectKey("C#"));
    EXPECT_EQ(model.accidentals, 0);
    EXPECT_EQ(model.keyName, "C#");
    EXPECT_FALSE(model.SelectKey("H"));
    EXPECT_EQ(model.keyName, "C#");
    model.AdoptKeyOrC("H");
    EXPECT_EQ(model.keyName, "C");
    EXPECT_EQ(model.tonic, 0);
}

TEST_F(ModelState, SelectScaleCopiesStepsAndOutOfRangeFallsBackToRecordZero)
{
    model.SelectScale(Scale("major pentatonic"));
    EXPECT_EQ(model.noteCount, 5);
    EXPECT_EQ(model.steps[5], 0);
    model.SelectScale(-1);
    EXPECT_EQ(model.scaleIndex, 0);
    EXPECT_EQ(model.scaleName, "major");
    model.SelectScale(500);
    EXPECT_EQ(model.scaleIndex, 0);
}

TEST_F(ModelState, ChordNameCarriesTheShortNameExceptForIntervals)
{
    model.SelectChord(Chord("triad", "I"));
    EXPECT_EQ(model.chordName, "1-3-5 I");
    model.SelectChord(Chord("interval", "m3"));
    EXPECT_EQ(model.chordName, "1,3 min");
    model.SelectChord(0);
    EXPECT_EQ(model.chordName, "");
    EXPECT_EQ(model.chordIndex, 0);
    model.SelectChord(127);  // the terminator: nothing to show
    EXPECT_EQ(model.chordName, "");
    model.SelectChord(1);  // a group line
    EXPECT_EQ(model.chordName, "");
}

TEST_F(ModelState, PresetChordChoosesItsOwnScale)
{
    model.SelectChord(Chord("preset", "V7-hm"));
    EXPECT_EQ(model.scaleName, "harmonic minor");
    EXPECT_EQ(model.scaleIndex, Scale("harmonic minor"));
    EXPECT_EQ(model.chordName, "5-7-9-11 (; harmonic minor) V7-hm");
    model.SelectKey("A");
    model.ComputeNotes();
    EXPECT_EQ(model.labels[11].Text(), "G#");
    EXPECT_EQ(model.labels[7].Text(), "E");
}

// Only "." means no chord: a chord whose description is empty is still
// chosen and named, it just shows no tones; an interval has no name to show.
TEST_F(ModelState, EmptyDescriptionIsAChordWithoutTones)
{
    CChordCatalog custom;
    custom.ReadText(" none .\n group plain\n blank\n group interval\n silent\n @\n");
    CModelState state(speller, scales, custom);
    state.SetDefaults();
    state.SelectChord(2);
    EXPECT_TRUE(state.HasChord());
    EXPECT_EQ(state.chordName, " blank");
    state.ComputeNotes();
    for (const NoteCell& cell : state.labels)
        EXPECT_TRUE(cell.Empty());
    state.SelectChord(4);
    EXPECT_FALSE(state.HasChord());
    state.SelectChord(0);
    EXPECT_FALSE(state.HasChord());
}

TEST_F(ModelState, PresetNamingAnUnknownScaleKeepsTheCurrentOne)
{
    CChordCatalog custom;
    custom.ReadText(" none .\n group preset\n odd 1-3 (; no such scale)\n bare 1-3;\n @\n");
    CModelState state(speller, scales, custom);
    state.SetDefaults();
    state.SelectScale(Scale("dorian mode"));
    state.SelectChord(2);
    EXPECT_EQ(state.scaleName, "dorian mode");
    state.SelectChord(3);
    EXPECT_EQ(state.scaleName, "dorian mode");
    EXPECT_EQ(state.chordName, "1-3; bare");
}

TEST_F(ModelState, KeySignatureFollowsTheTableOnlyDuringPlayback)
{
    EXPECT_FALSE(model.ApplyKeySignature(6, false));
    EXPECT_EQ(model.keyName, "C");
    model.liveFlag = 1;
    model.chordName = "1-3-5 I";
    ASSERT_TRUE(model.ApplyKeySignature(6, false));
    EXPECT_EQ(model.keyName, "F#");
    EXPECT_EQ(model.variant, 1);
    EXPECT_EQ(model.chordName, "");
    ASSERT_TRUE(model.ApplyKeySignature(256 - 3, true));
    EXPECT_EQ(model.keyName, "C");
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.scaleIndex, 2);
    EXPECT_EQ(model.scaleName, "natural minor");
    ASSERT_TRUE(model.ApplyKeySignature(-7, false));
    EXPECT_EQ(model.keyName, "Cb");
    EXPECT_EQ(model.tonic, 11);
    ASSERT_TRUE(model.ApplyKeySignature(9, false));
    EXPECT_EQ(model.keyName, "Cb");
    EXPECT_EQ(model.scaleName, "major");
}

TEST_F(ModelState, ReportWithoutChordHasNoBaseOrSpan)
{
    model.Recompute({});
    EXPECT_EQ(model.patternText, "C, , D, , E, F, , G, , A, , B, C");
    EXPECT_EQ(model.intervalText, "2 2 1 2 2 2 1 ");
    EXPECT_EQ(model.reportText,
              "Tonic:   C\r\nScale:   major\r\nChord:   \r\nPattern:  C, , D, , E, F, , G, , A, , B, C"
              "\r\nIntervals:  2 2 1 2 2 2 1 \r\n\r\nInstruments:\r\n");
}

TEST_F(ModelState, ReportListsInstrumentsInOrder)
{
    model.Recompute({"Piano", "Guitar"});
    EXPECT_TRUE(model.reportText.ends_with("Instruments:\r\n  Piano\r\n  Guitar\r\n"));
}

TEST_F(ModelState, ChordInsideTheOctaveAddsBaseButNoSpan)
{
    model.SelectChord(Chord("triad", "I"));
    model.Recompute({});
    EXPECT_EQ(model.patternText, "C, , , , E, , , G, , , , , , \r\nBase:  C, , D, , E, F, , G, , A, , B, C");
}

TEST_F(ModelState, ChordAboveTheOctaveAddsASpanOfTwentyFivePlaces)
{
    model.SelectChord(Chord("extended", "I9"));
    model.Recompute({});
    std::string span = "\r\nSpan:  C, , , , E, , , G, , , , B, , , D, , , , , , , , , , , ";
    EXPECT_TRUE(model.patternText.ends_with(span)) << model.patternText;
}

TEST_F(ModelState, StateStringRoundTripJoinsWordsWithSingleBlanks)
{
    model.SelectKey("Eb");
    model.SelectScale(Scale("harmonic minor"));
    model.SelectChord(Chord("seventh", "7"));
    model.notation = 'r';
    model.chordTones = 'i';
    std::string text = "_Generic x _Model r Eb harmonic minor $ 1,3 maj,  5 per, 7 min 7 $ 4";
    EXPECT_EQ(model.FormatModelState(4), "_Model r Eb harmonic minor $ 1,3 maj, 5 per, 7 min 7 $ 4 _ChordTones i");

    CModelState copy(speller, scales, chords);
    int history = 0;
    ASSERT_TRUE(copy.ParseModelState(text, history));
    EXPECT_EQ(copy.notation, 'r');
    EXPECT_EQ(copy.keyName, "Eb");
    EXPECT_EQ(copy.accidentals, 1);
    EXPECT_EQ(copy.scaleName, "harmonic minor");
    EXPECT_EQ(copy.scaleIndex, Scale("harmonic minor"));
    EXPECT_EQ(copy.chordName, "1,3 maj, 5 per, 7 min 7");
    EXPECT_EQ(history, 4);
    EXPECT_EQ(copy.chordTones, 'n') << "a string from before the choice reads as names";
    ASSERT_TRUE(copy.ParseModelState(model.FormatModelState(4), history));
    EXPECT_EQ(copy.chordTones, 'i');
}

TEST_F(ModelState, StateStringWithoutChordOrWithAChordOfTheCatalogue)
{
    int history = 0;
    ASSERT_TRUE(model.ParseModelState(model.FormatModelState(-1), history));
    EXPECT_EQ(model.chordName, "");
    EXPECT_EQ(history, -1);

    int seventh = Chord("seventh", "min7");
    model.SelectChord(seventh);
    std::string text = model.FormatModelState(2);
    model.SetDefaults();
    ASSERT_TRUE(model.ParseModelState(text, history));
    EXPECT_EQ(model.chordIndex, seventh) << "the heading names the chord by its short name";
    EXPECT_EQ(history, 2);
}

// A notation, key, scale or chord the program does not know is no state it
// wrote: the caller leaves the model as a fresh one.
TEST_F(ModelState, StateStringsNamingWhatTheProgramDoesNotKnowAreRefused)
{
    int history = 7;
    for (const char* wrong : {"_Generic only", "_Models e C major $ none $ 0", "_Model", "_Model x C major $ none $ 0",
                              "_Model ee C major $ none $ 0", "_Model e Q major $ none $ 0",
                              "_Model e C no such scale $ none $ 0", "_Model e C minor $ none $ 0",
                              "_Model e C major and more", "_Model e C $ $ $",
                              "_Model e C major $ 1-3-5 garbage $ 0", "_Model e C major $ group $ 0"})
        EXPECT_FALSE(model.ParseModelState(wrong, history)) << wrong;
    EXPECT_EQ(history, 7);
    ASSERT_TRUE(model.ParseModelState("_Model e C major", history)) << "the end of the text ends the names";
    EXPECT_EQ(model.scaleName, "major");
    EXPECT_EQ(model.chordName, "");
}

// History entries, layouts and profiles carry the chord by name: the index
// the Chord menu checks is found again from it at the next recompute.
TEST_F(ModelState, ARecomputeFindsTheChordRecordOfAChordKnownOnlyByName)
{
    int seventh = Chord("seventh", "V7");
    model.SelectChord(seventh);
    std::string entry = model.HistoryEntry();
    model.SelectChord(0);
    model.ApplyHistoryEntry(entry);
    model.Recompute({});
    EXPECT_EQ(model.chordIndex, seventh);

    int third = Chord("interval", "m3");
    model.chordName = chords.ShownName(third);
    model.Recompute({});
    EXPECT_EQ(model.chordIndex, third);

    for (const char* none : {"", "1-3-5 no such chord"}) {
        model.chordName = none;
        model.Recompute({});
        EXPECT_EQ(model.chordIndex, 0) << none;
    }
}

TEST_F(ModelState, EveryChordIsFoundByTheNameTheModelShowsForIt)
{
    int chordsFound = 0;
    for (int i = 1; i < CChordCatalog::kCapacity; ++i) {
        if (!chords.IsChord(i))
            continue;
        EXPECT_EQ(chords.FindShown(chords.ShownName(i)), i) << chords.ShownName(i);
        ++chordsFound;
    }
    EXPECT_GT(chordsFound, 100);
    EXPECT_EQ(chords.FindShown("1-3-5"), 0) << "a description without its short name names no triad";
}

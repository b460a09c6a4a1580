#include <gtest/gtest.h>

#include <algorithm>

#include "HarmonyFixture.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/Keys.h"
#include "harmony/NoteNameInput.h"

TEST(NoteNameInput, LettersInEitherCaseWithAnyAccidentalsAndOctaves)
{
    EXPECT_EQ(ParseNoteName("C"), 0);
    EXPECT_EQ(ParseNoteName("c#4"), 1);
    EXPECT_EQ(ParseNoteName("bb"), 10);
    EXPECT_EQ(ParseNoteName("Cb"), 11);
    EXPECT_EQ(ParseNoteName("E#"), 5);
    EXPECT_EQ(ParseNoteName("Gbb3"), 5);
    EXPECT_EQ(ParseNoteName("A-1"), 9);
    EXPECT_EQ(ParseNoteName("B##10"), 1);
    EXPECT_EQ(ParseNoteName("H"), -1);
    EXPECT_EQ(ParseNoteName("4"), -1);
    EXPECT_EQ(ParseNoteName("C4#"), -1);
    EXPECT_EQ(ParseNoteName("Cx"), -1);
}

TEST(NoteNameInput, ListsReportUnknownNamesInOrder)
{
    EnteredNotes entered = ReadNoteNames(" C, E  G\tBb ");
    EXPECT_EQ(entered.pitches, PitchBit(0) | PitchBit(4) | PitchBit(7) | PitchBit(10));
    EXPECT_TRUE(entered.unknown.empty());

    entered = ReadNoteNames(std::vector<std::string>{"C", "Hb", "E", "do"});
    EXPECT_EQ(entered.pitches, PitchBit(0) | PitchBit(4));
    EXPECT_EQ(entered.unknown, (std::vector<std::string>{"Hb", "do"}));
    EXPECT_EQ(PitchSetNames(PitchBit(1) | PitchBit(3) | PitchBit(6) | PitchBit(8) | PitchBit(10)), "C# Eb F# Ab Bb");
}

class ChordIdentifierTest : public HarmonyFixture {
protected:
    PitchSet Notes(const std::string& text) { return ReadNoteNames(text).pitches; }

    // The pitch classes the model sounds with these choices.
    PitchSet ModelTones(const std::string& key, int scale, int chord)
    {
        model.SelectKey(key);
        model.SelectScale(scale);
        model.SelectChord(chord);
        model.ComputeNotes();
        PitchSet set = 0;
        for (int i = 0; i < 12; ++i)
            if (!model.labels[static_cast<std::size_t>(i)].Empty())
                set |= PitchBit(model.tonic + i);
        return set;
    }

    static std::string KeyName(const IdentifyResult& r) { return std::string(kKeyCommands[r.key].name); }

    std::vector<IdentifyResult> ChordsNamed(const std::vector<IdentifyResult>& results, const std::string& key,
                                            const std::string& chordName)
    {
        std::vector<IdentifyResult> found;
        for (const IdentifyResult& r : results)
            if (r.isChord && KeyName(r) == key && chords.GetKey(r.chord) == chordName)
                found.push_back(r);
        return found;
    }

    CChordIdentifier Identifier() { return CChordIdentifier(scales, chords); }
};

TEST_F(ChordIdentifierTest, SpelledExamplesAreFoundInTheirKeys)
{
    CChordIdentifier identifier = Identifier();
    EXPECT_EQ(ChordsNamed(identifier.Identify(Notes("C Eb")), "C", "m3").size(), 1u);
    EXPECT_EQ(ChordsNamed(identifier.Identify(Notes("C D#")), "C", "m3").size(), 1u);
    std::vector<IdentifyResult> tritone = identifier.Identify(Notes("F Cb"));
    EXPECT_EQ(ChordsNamed(tritone, "F", "A4").size(), 1u);
    EXPECT_EQ(ChordsNamed(tritone, "F", "d5").size(), 1u);
    EXPECT_EQ(ChordsNamed(tritone, "B", "d5").size(), 1u);
    EXPECT_EQ(ChordsNamed(identifier.Identify(Notes("C E G Bb D")), "C", "dom9").size(), 1u);
}

TEST_F(ChordIdentifierTest, EveryChordOfCMajorIsNamedFromItsOwnTones)
{
    CChordIdentifier identifier = Identifier();
    int checked = 0;
    for (int chord = 1; chord < chords.Count(); ++chord) {
        if (!chords.IsChord(chord))
            continue;
        PitchSet tones = ModelTones("C", 0, chord);
        int scale = model.scaleIndex;  // a preset chord brings its own
        std::vector<IdentifyResult> found = ChordsNamed(identifier.Identify(tones), "C", chords.GetKey(chord));
        bool takesDegrees = chords.GetText(chord).find('-') != std::string::npos;
        if (takesDegrees) {
            auto same = [&](const IdentifyResult& r) { return r.scale == scale; };
            EXPECT_TRUE(std::any_of(found.begin(), found.end(), same)) << chords.GetKey(chord);
        } else {
            EXPECT_EQ(found.size(), 1u) << chords.GetKey(chord);
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(ChordIdentifierTest, EveryChordFoundSoundsExactlyTheNotesInTheModel)
{
    CChordIdentifier identifier = Identifier();
    for (const char* notes : {"C E G", "D F A C", "Eb G Bb D F", "G B D F", "C Eb Gb A", "F# A#", "Ab C E"}) {
        PitchSet entered = Notes(notes);
        int chordsFound = 0;
        for (const IdentifyResult& r : identifier.Identify(entered)) {
            if (!r.isChord)
                continue;
            ++chordsFound;
            EXPECT_EQ(ModelTones(KeyName(r), r.scale, r.chord), entered)
                << notes << ": " << KeyName(r) << " " << scales.GetFullName(r.scale) << " " << chords.GetKey(r.chord);
        }
        EXPECT_GT(chordsFound, 0) << notes;
    }
}

TEST_F(ChordIdentifierTest, ChordsDependingOnTheScaleAreListedForEveryScaleThatGivesThem)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("C E G"));
    std::vector<IdentifyResult> tonicTriads = ChordsNamed(results, "C", "I");
    std::vector<int> scalesFound;
    for (const IdentifyResult& r : tonicTriads)
        scalesFound.push_back(r.scale);
    EXPECT_NE(std::find(scalesFound.begin(), scalesFound.end(), Scale("major")), scalesFound.end());
    EXPECT_NE(std::find(scalesFound.begin(), scalesFound.end(), Scale("mixolydian mode")), scalesFound.end());
    EXPECT_EQ(std::find(scalesFound.begin(), scalesFound.end(), Scale("natural minor")), scalesFound.end());
    EXPECT_FALSE(ChordsNamed(results, "F", "V").empty());
    EXPECT_FALSE(ChordsNamed(results, "A", "III").empty());
}

TEST_F(ChordIdentifierTest, FixedChordsComeOncePerKeyInTheFirstScaleHoldingThem)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("C Eb G"));
    std::vector<IdentifyResult> minor = ChordsNamed(results, "C", "min");
    ASSERT_EQ(minor.size(), 1u);
    EXPECT_EQ(minor[0].scale, Scale("natural minor"));
    ASSERT_EQ(ChordsNamed(results, "C", "maj").size(), 0u);
    EXPECT_EQ(ChordsNamed(Identifier().Identify(Notes("C E G")), "C", "maj")[0].scale, Scale("major"));
}

TEST_F(ChordIdentifierTest, PresetChordsOnlyInTheirOwnScale)
{
    std::vector<IdentifyResult> found = ChordsNamed(Identifier().Identify(Notes("C Eb G B")), "C", "minmaj7-mm");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].scale, Scale("melodic minor"));
}

TEST_F(ChordIdentifierTest, ChordsFirstThenScalesByFewestExtraNotes)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("C D E F G A B"));
    auto firstScale = std::find_if(results.begin(), results.end(), [](const IdentifyResult& r) { return !r.isChord; });
    ASSERT_NE(firstScale, results.end());
    EXPECT_TRUE(std::none_of(firstScale, results.end(), [](const IdentifyResult& r) { return r.isChord; }));
    for (auto it = firstScale; it + 1 != results.end(); ++it) {
        const IdentifyResult& a = *it;
        const IdentifyResult& b = *(it + 1);
        ASSERT_LE(a.extraNotes, b.extraNotes);
        if (a.extraNotes == b.extraNotes) {
            ASSERT_LE(a.scale, b.scale);
        }
    }
    // The seven white keys are C major, then its modes in other keys.
    EXPECT_EQ(firstScale->scale, Scale("major"));
    EXPECT_EQ(KeyName(*firstScale), "C");
    EXPECT_EQ(firstScale->extraNotes, 0);
    EXPECT_EQ(results.back().scale, Scale("chromatic"));
    EXPECT_EQ(results.back().extraNotes, 5);
}

TEST_F(ChordIdentifierTest, ChordsOfTheCommonerScaleComeFirst)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("C E G Bb"));
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(KeyName(results.front()), "F");
    EXPECT_EQ(results.front().scale, Scale("major"));
    EXPECT_EQ(chords.GetKey(results.front().chord), "V7");
    for (auto it = results.begin(); it + 1 != results.end() && (it + 1)->isChord; ++it)
        ASSERT_LE(it->scale, (it + 1)->scale);
}

TEST_F(ChordIdentifierTest, EnharmonicKeysAreBothListed)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("Db F Ab"));
    EXPECT_EQ(ChordsNamed(results, "Db", "maj").size(), 1u);
    EXPECT_EQ(ChordsNamed(results, "C#", "maj").size(), 1u);
}

TEST_F(ChordIdentifierTest, OfTwoEnharmonicKeysTheOneWithFewerAccidentalsComesFirst)
{
    std::vector<IdentifyResult> minorTriad = Identifier().Identify(Notes("C Eb G"));
    ASSERT_GE(minorTriad.size(), 2u);
    EXPECT_EQ(KeyName(minorTriad[0]), "Bb");  // Bb major II, not A# major with its double sharps
    EXPECT_EQ(KeyName(minorTriad[1]), "A#");
    std::vector<IdentifyResult> sharpMinor = Identifier().Identify(Notes("C# E G#"));
    auto first = std::find_if(sharpMinor.begin(), sharpMinor.end(),
                              [&](const IdentifyResult& r) { return r.scale == Scale("natural minor"); });
    ASSERT_NE(first, sharpMinor.end());
    EXPECT_EQ(KeyName(*first), "C#");  // four sharps rather than eight flats
}

TEST_F(ChordIdentifierTest, NothingEnteredNamesNothing)
{
    EXPECT_TRUE(Identifier().Identify(0).empty());
}

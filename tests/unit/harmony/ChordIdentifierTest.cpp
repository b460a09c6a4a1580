#include <gtest/gtest.h>

#include <algorithm>

#include "HarmonyFixture.h"
#include "harmony/ChordIdentifier.h"
#include "harmony/Keys.h"
#include "harmony/IntervalSpelling.h"
#include "harmony/NoteNameInput.h"
#include "harmony/PlayedNotes.h"

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
    // Notes as typed: their order and their names count.
    static PlayedNotes Played(const std::string& text) { return PlayedFromNames(ReadNoteNames(text).names); }
    // The same order without the names.
    static PlayedNotes Unnamed(const std::string& text)
    {
        PlayedNotes played = Played(text);
        played.typedNames.clear();
        return played;
    }

    // "chord C natural minor min7", or "scale ..." for the first result.
    std::string First(const std::vector<IdentifyResult>& results)
    {
        if (results.empty())
            return "(none)";
        const IdentifyResult& r = results.front();
        return std::string(r.isChord ? "chord " : "scale ") + KeyName(r) + " " + scales.GetFullName(r.scale) + " " +
               (r.isChord ? chords.GetKey(r.chord) : "-");
    }

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

TEST_F(ChordIdentifierTest, EnharmonicKeysAreBothListed)
{
    std::vector<IdentifyResult> results = Identifier().Identify(Notes("Db F Ab"));
    EXPECT_EQ(ChordsNamed(results, "Db", "maj").size(), 1u);
    EXPECT_EQ(ChordsNamed(results, "C#", "maj").size(), 1u);
}

TEST_F(ChordIdentifierTest, OfTwoEnharmonicKeysTheOneWithFewerAccidentalsComesFirst)
{
    std::vector<IdentifyResult> major = Identifier().Identify(Notes("Db F Ab"));
    ASSERT_GE(major.size(), 2u);
    EXPECT_EQ(KeyName(major[0]), "Db");  // five flats rather than seven sharps
    EXPECT_EQ(KeyName(major[1]), "C#");
    // A double sharp counts two: G# hungarian minor, with B# and F##, needs
    // seven accidentals, Ab hungarian minor five.
    std::vector<IdentifyResult> sixth = Identifier().Identify(Played("D E Ab"));
    ASSERT_GE(sixth.size(), 2u);
    EXPECT_EQ(First(sixth), "chord Ab hungarian minor IV");
    EXPECT_EQ(KeyName(sixth[1]), "G#");
    EXPECT_EQ(sixth[1].chord, sixth[0].chord);
}

TEST_F(ChordIdentifierTest, NothingEnteredNamesNothing)
{
    EXPECT_TRUE(Identifier().Identify(0).empty());
}

namespace {

struct Quality {
    const char* name;  // the chord's short name in the catalogue
    std::vector<std::pair<int, int>> intervals;  // number and semitones above the root
};

const std::vector<Quality>& CommonChords()
{
    static const std::vector<Quality> qualities = {
        {"maj", {{3, 4}, {5, 7}}},
        {"min", {{3, 3}, {5, 7}}},
        {"7", {{3, 4}, {5, 7}, {7, 10}}},
        {"maj7", {{3, 4}, {5, 7}, {7, 11}}},
        {"min7", {{3, 3}, {5, 7}, {7, 10}}},
        {"min7b5", {{3, 3}, {5, 6}, {7, 10}}},
        {"dim7", {{3, 3}, {5, 6}, {7, 9}}},
        {"sus2", {{2, 2}, {5, 7}}},
        {"sus4", {{4, 5}, {5, 7}}},
        {"6", {{3, 4}, {5, 7}, {6, 9}}},
        {"min6", {{3, 3}, {5, 7}, {6, 9}}},
        {"dom9", {{3, 4}, {5, 7}, {7, 10}, {9, 2}}},
        {"add9", {{3, 4}, {5, 7}, {9, 2}}},
        {"7b9", {{3, 4}, {5, 7}, {7, 10}, {9, 1}}},
        {"dom13", {{3, 4}, {5, 7}, {7, 10}, {9, 2}, {13, 9}}},
    };
    return qualities;
}

} // namespace

// Fifteen common chords on all seventeen roots, typed from the root up as a
// musician spells them: the first answer is that chord on that root, in the
// key as typed. Without the names the root still comes first, in the key
// with fewer accidentals.
TEST_F(ChordIdentifierTest, TheFirstAnswerIsTheChordAMusicianNames)
{
    CChordIdentifier identifier = Identifier();
    int checked = 0;
    for (const Quality& quality : CommonChords())
        for (const KeyCommand& key : kKeyCommands) {
            std::string root(key.name);
            std::string typed = root;
            for (auto [number, semitones] : quality.intervals)
                typed += " " + SpellInterval(root, number, semitones);
            std::vector<IdentifyResult> named = identifier.Identify(Played(typed));
            ASSERT_FALSE(named.empty()) << typed;
            EXPECT_EQ(First(named).substr(0, 6 + root.size() + 1), "chord " + root + " ") << typed << ": " << First(named);
            EXPECT_EQ(chords.GetKey(named.front().chord), quality.name) << typed << ": " << First(named);

            std::vector<IdentifyResult> unnamed = identifier.Identify(Unnamed(typed));
            ASSERT_FALSE(unnamed.empty()) << typed;
            EXPECT_EQ(PitchClassOfName(KeyName(unnamed.front())), PitchClassOfName(root)) << typed;
            EXPECT_EQ(chords.GetKey(unnamed.front().chord), quality.name) << typed << ": " << First(unnamed);
            ++checked;
        }
    EXPECT_EQ(checked, 15 * 17);
}

TEST_F(ChordIdentifierTest, TheChordOnTheFirstNoteComesBeforeItsInversions)
{
    CChordIdentifier identifier = Identifier();
    EXPECT_EQ(First(identifier.Identify(Played("C E G A"))), "chord C major 6");
    EXPECT_EQ(First(identifier.Identify(Played("A C E G"))), "chord A natural minor min7");
    EXPECT_EQ(First(identifier.Identify(Played("G B D F"))), "chord G mixolydian mode 7");
    EXPECT_EQ(First(identifier.Identify(Played("F A C D"))), "chord F major 6");
    EXPECT_EQ(First(identifier.Identify(Played("D F A C"))), "chord D natural minor min7");
    // No chord of fixed intervals stands on E: the first inversion of C major.
    EXPECT_EQ(First(identifier.Identify(Played("E G C"))), "chord C major maj");
    EXPECT_EQ(First(identifier.Identify(Played("G C E"))), "chord C major maj");
    // The first note decides even when the others come in no chord's order.
    EXPECT_EQ(First(identifier.Identify(Played("A G C E"))), "chord A natural minor min7");
    EXPECT_EQ(First(identifier.Identify(Played("D A F C"))), "chord D natural minor min7");
    EXPECT_EQ(First(identifier.Identify(Played("C A G E"))), "chord C major 6");
    // From a MIDI keyboard the lowest note counts, whatever came first.
    PlayedNotes played;
    for (int pitchClass : {4, 7, 0})
        played.Add(pitchClass);
    played.PutFirst(9);
    EXPECT_EQ(First(identifier.Identify(played)), "chord A natural minor min7");
}

TEST_F(ChordIdentifierTest, ChordsOfFixedIntervalsComeBeforeChordsTakenFromAScale)
{
    CChordIdentifier identifier = Identifier();
    EXPECT_EQ(First(identifier.Identify(Played("C Eb G Bb"))), "chord C natural minor min7");
    EXPECT_EQ(First(identifier.Identify(Played("C D G"))), "chord C major sus2");
    EXPECT_EQ(First(identifier.Identify(Played("C E G Bb D A"))), "chord C mixolydian mode dom13");

    // After them, chords from a scale on the first note, commoner scales
    // first: C Eb G Bb is II7 of Bb major before I7 of C dorian.
    std::vector<IdentifyResult> results = identifier.Identify(Played("C Eb G Bb"));
    auto fromScale = [&](const IdentifyResult& r) {
        return r.isChord && chords.GetText(r.chord).find('-') != std::string::npos;
    };
    auto firstFromScale = std::find_if(results.begin(), results.end(), fromScale);
    ASSERT_NE(firstFromScale, results.end());
    EXPECT_EQ(KeyName(*firstFromScale), "Bb");
    EXPECT_EQ(firstFromScale->scale, Scale("major"));
    EXPECT_EQ(chords.GetKey(firstFromScale->chord), "II7");
    EXPECT_TRUE(std::none_of(results.begin(), firstFromScale, fromScale));
    auto at = [&](const std::string& key, const std::string& scale, const std::string& chord) {
        return std::find_if(results.begin(), results.end(), [&](const IdentifyResult& r) {
            return r.isChord && KeyName(r) == key && r.scale == Scale(scale) && chords.GetKey(r.chord) == chord;
        });
    };
    ASSERT_NE(at("C", "dorian mode", "I7"), results.end());
    EXPECT_LT(at("Bb", "major", "II7"), at("C", "dorian mode", "I7"));
}

TEST_F(ChordIdentifierTest, AChordIsNotListedUnderAScaleThatBreaksWhatItsNamePromises)
{
    CChordIdentifier identifier = Identifier();
    // The 4th tone of F# minor pentatonic is C#, its fifth: no sus.
    std::vector<IdentifyResult> results = identifier.Identify(Played("Db F# E"));
    for (const IdentifyResult& r : results)
        if (r.isChord) {
            EXPECT_NE(chords.GetKey(r.chord), "sus") << KeyName(r) << " " << scales.GetFullName(r.scale);
        }
    // C E A is not the triad of C major pentatonic (its 5th tone is A) ...
    for (const IdentifyResult& r : ChordsNamed(identifier.Identify(Notes("C E A")), "C", "I"))
        EXPECT_NE(r.scale, Scale("major pentatonic"));
    // ... while C E G# is the triad of C whole-tone, a third and a fifth,
    // and I7 of C dominant bebop has its seventh.
    std::vector<IdentifyResult> augmented = ChordsNamed(identifier.Identify(Notes("C E G#")), "C", "I");
    EXPECT_TRUE(std::any_of(augmented.begin(), augmented.end(),
                            [&](const IdentifyResult& r) { return r.scale == Scale("whole-tone"); }));
    std::vector<IdentifyResult> seventh = ChordsNamed(identifier.Identify(Notes("C E G Bb")), "C", "I7");
    EXPECT_TRUE(std::any_of(seventh.begin(), seventh.end(),
                            [&](const IdentifyResult& r) { return r.scale == Scale("dominant bebop"); }));
    // I9 of dominant bebop would be C E G Bb C: its 9th degree is the octave.
    for (const IdentifyResult& r : ChordsNamed(identifier.Identify(Notes("C E G Bb")), "C", "I9"))
        EXPECT_NE(r.scale, Scale("dominant bebop"));
}

TEST_F(ChordIdentifierTest, TheAnswerKeepsTheNamesTypedWhereTheySpellTheChord)
{
    CChordIdentifier identifier = Identifier();
    std::vector<IdentifyResult> sharp = identifier.Identify(Played("A# C## E# G#"));
    ASSERT_GE(sharp.size(), 2u);
    EXPECT_EQ(First(sharp), "chord A# mixolydian mode 7");
    EXPECT_EQ(KeyName(sharp[1]), "Bb");
    EXPECT_EQ(First(identifier.Identify(Played("Bb D F Ab"))), "chord Bb mixolydian mode 7");
    // Spelled otherwise, the key with fewer accidentals.
    EXPECT_EQ(First(identifier.Identify(Played("A# D F G#"))), "chord Bb mixolydian mode 7");
    // The same two notes, an augmented second or a minor third as typed.
    EXPECT_EQ(First(identifier.Identify(Played("C D#"))), "chord C natural minor A2");
    EXPECT_EQ(First(identifier.Identify(Played("C Eb"))), "chord C natural minor m3");
    EXPECT_EQ(First(identifier.Identify(Played("c4 eb5"))), "chord C natural minor m3");
}

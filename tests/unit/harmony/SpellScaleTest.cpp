#include "HarmonyFixture.h"

#include "harmony/Keys.h"

#include <fstream>
#include <set>
#include <sstream>

using SpellScale = HarmonyFixture;

TEST_F(SpellScale, CMajorFillsTheScaleCells)
{
    Show("C", "major");
    std::vector<std::string> expected{"C", "", "D", "", "E", "F", "", "G", "", "A", "", "B", "C"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
    EXPECT_EQ(model.noteCount, 7);
}

TEST_F(SpellScale, FMajorRespellsItsFourthAndTurnsToFlats)
{
    Show("F", "major");
    EXPECT_EQ(model.scaleNotes[5].Text(), "Bb");
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.variant, 0);
}

TEST_F(SpellScale, FSharpMajorTakesESharpFromTheAlternativeRow)
{
    Show("F#", "major");
    EXPECT_EQ(model.scaleNotes[11].Text(), "E#");
    EXPECT_EQ(model.variant, 1);
    std::vector<std::string> expected{"F#", "", "G#", "", "A#", "B", "", "C#", "", "D#", "", "E#", "F#"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
}

TEST_F(SpellScale, HarmonicMinorKeepsTheRaisedSeventh)
{
    Show("A", "harmonic minor");
    EXPECT_EQ(model.scaleNotes[11].Text(), "G#");
    EXPECT_EQ(model.scaleNotes[8].Text(), "F");
}

TEST_F(SpellScale, PentatonicSkipsALetterAcrossAMinorThird)
{
    Show("C", "major pentatonic");
    std::vector<std::string> expected{"C", "", "D", "", "E", "", "", "G", "", "A", "", "", "C"};
    EXPECT_EQ(Texts(model.scaleNotes), expected);
}

TEST_F(SpellScale, ChromaticKeepsPlainNamesAndLeavesSpan)
{
    Show("C", "major");
    NoteSpan before = model.span;
    Show("Db", "chromatic");
    EXPECT_EQ(model.noteCount, 12);
    EXPECT_EQ(model.scaleNotes[1].Text(), "D");
    EXPECT_EQ(model.scaleNotes[3].Text(), "E");
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.span, before);
}

TEST_F(SpellScale, SpanHoldsTheScaleInItsFirstOctaveOnly)
{
    Show("G", "major");
    for (std::size_t i = 0; i < 12; ++i)
        EXPECT_EQ(model.span[i], model.scaleNotes[i]);
    for (std::size_t i = 12; i < 25; ++i)
        EXPECT_TRUE(model.span[i].Empty());
}

TEST_F(SpellScale, StepsBeyondTheOctaveAreDropped)
{
    model.steps = {5, 5, 5, 5, 0};
    model.SpellScale();
    EXPECT_EQ(model.scaleNotes[5].Text(), "F");
    EXPECT_EQ(model.scaleNotes[10].Text(), "Bb");  // a fourth above F
    EXPECT_EQ(model.noteCount, 2);

    model.steps = {-3, 0};
    model.SpellScale();
    EXPECT_EQ(model.noteCount, 0);
    EXPECT_EQ(model.scaleNotes[0].Text(), "C");

    model.steps = {2147483647, 2147483647, 2147483647, 1};
    model.SpellScale();
    EXPECT_EQ(model.noteCount, 0);
}

namespace {

// True when every degree of the scale can take the letter that follows the
// previous degree's, using some row of the note table.
bool OneLetterPerDegreeExists(const CNoteSpeller& speller, const CModelState& model)
{
    char letter = model.keyName[0];
    for (std::size_t i = 1; i < 12; ++i) {
        if (model.scaleNotes[i].Empty())
            continue;
        letter = letter == 'G' ? 'A' : static_cast<char>(letter + 1);
        bool found = false;
        for (int a = 0; a < 2; ++a)
            for (int v = 0; v < 2; ++v)
                found = found || speller.GetName(a, v, (model.tonic + static_cast<int>(i)) % 12)[0] == letter;
        if (!found)
            return false;
    }
    return true;
}

} // namespace

// For every key and every seven-note scale that the note table can spell
// with one letter per degree, the spelling uses each letter exactly once.
TEST_F(SpellScale, SevenNoteScalesUseEachLetterOnceWhereTheTableAllows)
{
    int checked = 0;
    for (int index = 0; index < CScaleCatalog::kCapacity; ++index) {
        const ScaleRecord& record = scales.Record(index);
        if (record.childCount != 1 || record.depth < 0)
            continue;
        model.SelectScale(index);
        if (model.noteCount != 7)
            continue;
        for (const KeyCommand& key : kKeyCommands) {
            ASSERT_TRUE(model.SelectKey(key.name));
            model.ComputeNotes();
            if (!OneLetterPerDegreeExists(speller, model))
                continue;
            ++checked;
            int previous = model.scaleNotes[0].bytes[0];
            for (std::size_t i = 1; i < 12; ++i)
                if (!model.scaleNotes[i].Empty()) {
                    int letter = model.scaleNotes[i].bytes[0];
                    EXPECT_EQ((letter - previous + 7) % 7, 1)
                        << key.name << " " << model.scaleName << " cell " << i;
                    previous = letter;
                }
        }
    }
    EXPECT_GT(checked, 17 * 55);
}

namespace {

// The cells as the report's Pattern line writes them.
std::string Pattern(const NoteRow& row)
{
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i)
        text += (i ? ", " : "") + std::string(row[i].Text());
    return text;
}

// The tones of the scale, blank-separated, without the octave.
std::string Tones(const NoteRow& row)
{
    std::string text;
    for (std::size_t i = 0; i < 12; ++i)
        if (!row[i].Empty())
            text += (text.empty() ? "" : " ") + std::string(row[i].Text());
    return text;
}

} // namespace

TEST_F(SpellScale, DiatonicFamilyPentatonicsBluesAndBebopKeepTheirSpellingInAllKeys)
{
    std::ifstream in(std::string(MORVIX_TEST_DATA) + "/diatonic-spellings.txt");
    ASSERT_TRUE(in);
    int checked = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::size_t bar1 = line.find('|');
        std::size_t bar2 = line.find('|', bar1 + 1);
        Show(line.substr(bar1 + 1, bar2 - bar1 - 1), line.substr(0, bar1));
        EXPECT_EQ(Pattern(model.scaleNotes), line.substr(bar2 + 1)) << line.substr(0, bar2);
        ++checked;
    }
    EXPECT_EQ(checked, 17 * 42);
}

TEST_F(SpellScale, AugmentedSecondsAndWideGapsTakeTheLettersAMusicianWrites)
{
    struct Case {
        const char* key;
        const char* scale;
        const char* tones;
    };
    const Case cases[] = {
        {"C", "hungarian minor", "C D Eb F# G Ab B"},
        {"Eb", "hungarian minor", "Eb F Gb A Bb Cb D"},
        {"F#", "hungarian minor", "F# G# A B# C# D E#"},
        {"C", "marwa raga", "C Db E F# G A B"},
        {"Eb", "marwa raga", "Eb Fb G A Bb C D"},
        {"C", "persian exotic", "C Db E F Gb Ab B"},
        {"C", "enigmatic exotic", "C Db E F# G# A# B"},
        {"C", "arabian exotic", "C D E F Gb Ab Bb"},
        {"A", "arabian exotic", "A B C# D Eb F G"},
        {"C", "hungarian-gypsy", "C D Eb F# G Ab Bb"},
        {"G#", "major", "G# A# B# C# D# E# F##"},
        {"C", "hirajoshi pentatonic", "C D Eb G Ab"},
        {"F#", "hirajoshi pentatonic", "F# G# A C# D"},
        {"C", "iwato pentatonic", "C Db F Gb Bb"},
        {"G#", "iwato pentatonic", "G# A C# D F#"},
        {"C", "kumoi pentatonic", "C D Eb G A"},
        {"Eb", "kumoi pentatonic", "Eb F Gb Bb C"},
        {"C", "in pentatonic", "C Db F G Ab"},
        {"D", "in pentatonic", "D Eb G A Bb"},
        {"C", "hamsadhwani raga", "C D E G B"},
        {"C", "chinese", "C E F# G B"},
        {"C", "pelog", "C Db Eb G Ab"},
        {"Bb", "dominant-pentatonic", "Bb C D F Ab"},
        {"C", "minor blues", "C Eb F Gb G Bb"},
    };
    for (const Case& c : cases) {
        Show(c.key, c.scale);
        EXPECT_EQ(Tones(model.scaleNotes), c.tones) << c.key << " " << c.scale;
    }
}

TEST_F(SpellScale, GapsOfAFourthSpanThreeLetters)
{
    ASSERT_TRUE(model.SelectKey("F"));
    model.steps = {5, 7, 0};
    model.SpellScale();
    EXPECT_EQ(model.scaleNotes[5].Text(), "Bb");
    EXPECT_EQ(model.accidentals, 1);

    ASSERT_TRUE(model.SelectKey("C#"));
    model.steps = {6, 6, 0};
    model.SpellScale();
    EXPECT_EQ(model.scaleNotes[6].Text(), "F##");
}

// A catalogue of our own, so the limits do not hang on the shipped files.
TEST_F(SpellScale, NineNoteScalesAreRespelledAndTenNoteScalesAreNot)
{
    CScaleCatalog own;
    own.ReadText(" nine 1\n 2 1 1 2 1 1 2 1 1\n ten 1\n 1 1 1 2 1 1 1 1 2 1\n @\n");
    CModelState state(speller, own, chords);
    state.SetDefaults();
    ASSERT_TRUE(state.SelectKey("F"));

    state.SelectScale(0);
    state.ComputeNotes();
    EXPECT_EQ(state.noteCount, 9);
    EXPECT_EQ(state.scaleNotes[3].Text(), "Ab");

    ASSERT_TRUE(state.SelectKey("F"));  // respelling turned the model to flats
    state.SelectScale(1);
    state.ComputeNotes();
    EXPECT_EQ(state.noteCount, 10);
    EXPECT_EQ(state.scaleNotes[3].Text(), "G#");
}

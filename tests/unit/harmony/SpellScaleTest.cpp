#include "HarmonyFixture.h"

#include "harmony/Keys.h"

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

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

class SpellScale : public HarmonyFixture {
protected:
    struct Spelled {
        const char* key;
        const char* scale;
        const char* tones;
    };

    void ExpectSpellings(const std::vector<Spelled>& cases)
    {
        for (const Spelled& c : cases) {
            Show(c.key, c.scale);
            EXPECT_EQ(Tones(model.scaleNotes), c.tones) << c.key << " " << c.scale;
        }
    }
};

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

TEST_F(SpellScale, ChromaticIsSpelledByItsDegreesAndLeavesSpan)
{
    Show("C", "major");
    NoteSpan before = model.span;
    Show("Db", "chromatic");
    EXPECT_EQ(model.noteCount, 12);
    EXPECT_EQ(Tones(model.scaleNotes), "Db Ebb Eb Fb F Gb G Ab Bbb Bb Cb C");
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
    for (int index : ScaleRecords()) {
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

TEST_F(SpellScale, DiatonicFamilyPentatonicsBluesAndBebopSpellAsSavedInAllKeys)
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
    ExpectSpellings({
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
    });
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
TEST_F(SpellScale, WithoutASpellingNineNoteScalesAreRespelledAndDenserScalesAreNot)
{
    CScaleCatalog own;
    own.ReadText(" nine 1\n 2 1 1 2 1 1 2 1 1\n ten 1\n 1 1 1 2 1 1 1 1 2 1\n"
                 " chromatic 1\n 1 1 1 1 1 1 1 1 1 1 1 1\n @\n");
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

    // Without a spelling a chromatic scale keeps the plain names of the
    // key's family.
    ASSERT_TRUE(state.SelectKey("Db"));
    state.SelectScale(2);
    state.ComputeNotes();
    EXPECT_EQ(Tones(state.scaleNotes), "Db D Eb E F Gb G Ab A Bb B C");
}

TEST_F(SpellScale, ScalesOfOtherSizesAsATeacherWritesThem)
{
    ExpectSpellings({
        {"C", "dorian bebop", "C D Eb E F G A Bb"},
        {"C", "half-whole diminished", "C Db Eb E F# G A Bb"},
        {"C", "whole-half diminished", "C D Eb F Gb Ab A B"},
        {"C", "augmented", "C D# E G G# B"},
        {"C", "tritone exotic", "C Db E F# G Bb"},
        {"C", "prometheus exotic", "C D E F# A Bb"},
        {"Db", "major bebop", "Db Eb F Gb Ab A Bb C"},
        {"C", "chromatic", "C Db D Eb E F F# G Ab A Bb B"},
        {"C", "mode-3 messiaen", "C D Eb E F# G Ab Bb B"},
        {"C", "spanish exotic", "C Db Eb E F Gb Ab Bb"},
        {"G", "augmented", "G A# B D D# F#"},
        {"F", "whole-tone", "F G A B C# D#"},
        {"Eb", "half-whole diminished", "Eb Fb Gb G A Bb C Db"},
    });
}

TEST_F(SpellScale, TheSpellingChoiceFollowsTheLastToneRenamed)
{
    Show("C", "dorian bebop");  // D# and A# are renamed Eb and Bb
    EXPECT_EQ(model.accidentals, 1);
    EXPECT_EQ(model.variant, 0);
    Show("C", "augmented");  // the sharps stand as first named
    EXPECT_EQ(model.accidentals, 0);
    Show("B", "augmented");  // C## and F## come from the alternative row
    EXPECT_EQ(Tones(model.scaleNotes), "B C## D# F# F## A#");
    EXPECT_EQ(model.variant, 1);
}

// A catalogue of our own, with spellings the note table cannot write.
TEST_F(SpellScale, NamesTheTableLacksGiveWayToTheNearestLetter)
{
    CScaleCatalog own;
    own.ReadText(" third 1\n 2 10 0 1 bb3\n fourth 1\n 5 7 0 1 #3\n @\n");
    CModelState state(speller, own, chords);
    state.SetDefaults();
    struct Case {
        int scale;
        const char* key;
        const char* tone;  // cell of the second tone
    };
    const Case cases[] = {
        {0, "C", "Ebb"},  // in the table
        {0, "Db", "Eb"},  // Fbb is not
        {0, "Gb", "Ab"},  // nor Bbbb
        {1, "C", "E#"},
        {1, "A#", "D#"},  // nor C###
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(state.SelectKey(c.key));
        state.SelectScale(c.scale);
        state.ComputeNotes();
        EXPECT_EQ(Tones(state.scaleNotes), std::string(c.key) + " " + c.tone) << c.key;
    }
}

namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr int kNaturals[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMajorSemitones[7] = {0, 2, 4, 5, 7, 9, 11};

int Fold(int value)
{
    return ((value + 6) % 12 + 12) % 12 - 6;
}

// Sharps (+1) or flats (-1) that the major key of a natural tonic puts on
// each letter: B major sharpens F, F major flattens B.
int SignatureAccidental(char tonic, char letter)
{
    int tonicLetter = static_cast<int>(kLetters.find(tonic));
    for (int degree = 0; degree < 7; ++degree) {
        int at = (tonicLetter + degree) % 7;
        if (kLetters[static_cast<std::size_t>(at)] == letter)
            return Fold(kNaturals[tonicLetter] + kMajorSemitones[degree] - kNaturals[at]);
    }
    return 0;
}

int Accidentals(std::string_view name)
{
    int count = 0;
    for (char c : name.substr(1))
        count += c == '#' ? 1 : -1;
    return count;
}

} // namespace

// Every scale that is not seven-tone, in every key: the letters rise from the
// tonic and none is used three times. In the seven natural keys each tone is
// the note its interval number and semitones name, and a double accidental
// stands only where the spelling alters the degree twice or alters it past
// the sharp or flat the major key already puts on that letter (the #5 of B
// is F##).
TEST_F(SpellScale, EveryScaleOfAnotherSizeSpellsByItsIntervalsInAllKeys)
{
    int checked = 0;
    for (int index : ScaleRecords()) {
        const ScaleRecord& record = scales.Record(index);
        if (record.spelling.empty())
            continue;
        for (const KeyCommand& key : kKeyCommands) {
            Show(std::string(key.name), scales.GetFullName(index));
            std::string where = std::string(key.name) + " " + model.scaleName;
            std::map<char, int> letters;
            int previous = 0;
            std::size_t tone = 0;
            for (int cell = 0; cell < 12; ++cell) {
                std::string_view name = model.scaleNotes[static_cast<std::size_t>(cell)].Text();
                if (name.empty())
                    continue;
                int letter = static_cast<int>(kLetters.find(name[0]));
                int rise = (letter - static_cast<int>(kLetters.find(key.name[0])) + 7) % 7;
                EXPECT_GE(rise, previous) << where << " cell " << cell;
                previous = rise;
                EXPECT_LE(++letters[name[0]], 2) << where << " " << Tones(model.scaleNotes);
                EXPECT_EQ((kNaturals[letter] + Accidentals(name) + 12) % 12, (model.tonic + cell) % 12) << where;
                if (key.name.size() == 1) {
                    int number = record.spelling[tone];
                    int alteration = cell - kMajorSemitones[number - 1];
                    EXPECT_EQ(rise, number - 1) << where << " cell " << cell;
                    int signature = SignatureAccidental(key.name[0], name[0]);
                    EXPECT_EQ(Accidentals(name), signature + alteration) << where << " cell " << cell;
                    if (std::abs(Accidentals(name)) == 2) {
                        EXPECT_TRUE(std::abs(alteration) == 2 || signature * alteration > 0)
                            << where << " cell " << cell;
                    }
                }
                ++tone;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 17 * 36);
}

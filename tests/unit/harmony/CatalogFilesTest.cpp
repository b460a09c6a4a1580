#include "HarmonyFixture.h"

#include "harmony/DegreeSpelling.h"

#include <fstream>
#include <map>
#include <set>
#include <string_view>

using CatalogFiles = HarmonyFixture;

namespace {

bool IsScale(const ScaleRecord& record)
{
    return record.depth >= 0 && record.childCount == 1;
}

int FilledSpan(const NoteSpan& span)
{
    int count = 0;
    for (const NoteCell& cell : span)
        count += cell.Empty() ? 0 : 1;
    return count;
}

} // namespace

TEST_F(CatalogFiles, ScaleRecordsTheRestOfTheProgramRelyOn)
{
    EXPECT_EQ(scales.GetFullName(0), "major");
    EXPECT_EQ(scales.GetFullName(2), "natural minor");
    EXPECT_EQ(scales.FindByFullName("major"), 0);
}

TEST_F(CatalogFiles, EveryScaleSpansOneOctaveAndIsFoundByItsFullName)
{
    int count = 0;
    std::set<std::string> names;
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& record = scales.Record(i);
        if (!IsScale(record))
            continue;
        ++count;
        int sum = 0;
        for (int step : record.steps) {
            if (step <= 0)
                break;
            sum += step;
        }
        std::string full = scales.GetFullName(i);
        EXPECT_EQ(sum, 12) << full;
        EXPECT_EQ(scales.FindByFullName(full), i) << full;
        EXPECT_TRUE(names.insert(full).second) << full;
    }
    EXPECT_GE(count, 90);
}

TEST_F(CatalogFiles, EveryScaleWithoutSevenTonesHasASpelling)
{
    int spelled = 0;
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& record = scales.Record(i);
        if (!IsScale(record))
            continue;
        std::size_t tones = ScaleTones(record.steps).size();
        if (tones == 7) {
            EXPECT_TRUE(record.spelling.empty()) << scales.GetFullName(i);
            continue;
        }
        EXPECT_EQ(record.spelling.size(), tones) << scales.GetFullName(i);
        ++spelled;
    }
    EXPECT_EQ(spelled, 36);
}

// The spellings stand where a reader that stops at the closing value never
// looks: the catalogue cut there reads into the same records.
TEST_F(CatalogFiles, TheCatalogueReadsAlikeWithAndWithoutItsSpellings)
{
    std::ifstream in(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE");
    std::string text;
    int cut = 0;
    for (std::string line; std::getline(in, line);) {
        std::size_t closing = line.find(" 0 ");
        if (!line.starts_with(';') && closing != std::string::npos) {
            line.resize(closing);
            ++cut;
        }
        text += line + "\n";
    }
    EXPECT_EQ(cut, 36);
    CScaleCatalog plain;
    plain.ReadText(text);
    for (int i = 0; i < CScaleCatalog::kCapacity; ++i) {
        const ScaleRecord& a = scales.Record(i);
        const ScaleRecord& b = plain.Record(i);
        EXPECT_EQ(a.name, b.name);
        EXPECT_EQ(a.childCount, b.childCount);
        EXPECT_EQ(a.depth, b.depth);
        EXPECT_EQ(a.parent, b.parent);
        EXPECT_EQ(a.steps, b.steps) << a.name;
        EXPECT_TRUE(b.spelling.empty());
    }
    EXPECT_EQ(plain.TopCount(), scales.TopCount());
}

TEST_F(CatalogFiles, ScaleMenuOffersEveryScaleOnce)
{
    std::set<int> ids;
    std::vector<MenuPtr> pending{scales.BuildMenu()};
    while (!pending.empty()) {
        MenuPtr menu = pending.back();
        pending.pop_back();
        for (const MenuItem& item : menu->Items()) {
            if (item.kind == MenuItem::Kind::Popup)
                pending.push_back(item.popup);
            else
                EXPECT_TRUE(ids.insert(item.id).second);
        }
    }
    for (int id : ids)
        EXPECT_TRUE(IsScale(scales.Record(id - CScaleCatalog::kCommandBase)));
    EXPECT_GE(ids.size(), 60u);
}

TEST_F(CatalogFiles, EveryChordShowsAtLeastTwoTonesOnItsScale)
{
    int count = 0;
    for (int i = 1; i < chords.Count(); ++i) {
        const std::string& key = chords.GetKey(i);
        if (key == "group" || key.starts_with('@'))
            continue;
        ++count;
        model.SetDefaults();
        model.SelectChord(i);
        if (chords.GetGroup(i) == "preset") {
            EXPECT_NE(model.scaleIndex, 0) << key;
        }
        model.ComputeNotes();
        EXPECT_GE(FilledSpan(model.span), 2) << chords.GetGroup(i) << "/" << key << ": " << model.chordName;
    }
    EXPECT_GE(count, 60);
}

TEST_F(CatalogFiles, PresetChordsNameScalesOfTheCatalogue)
{
    int presets = 0;
    for (int i = 1; i < chords.Count(); ++i) {
        if (chords.GetGroup(i) != "preset" || chords.GetKey(i) == "group")
            continue;
        ++presets;
        const std::string& text = chords.GetText(i);
        std::size_t semicolon = text.rfind(';');
        ASSERT_NE(semicolon, std::string::npos) << text;
        std::string name = text.substr(semicolon + 2, text.size() - semicolon - 3);
        EXPECT_GE(scales.FindByFullName(name), 0) << text;
    }
    EXPECT_GE(presets, 5);
}

TEST_F(CatalogFiles, ChordMenuHasTheNoChordEntryFirst)
{
    EXPECT_EQ(chords.GetText(0), ".");
    MenuPtr root = chords.BuildMenu();
    ASSERT_GT(root->Count(), 5);
    EXPECT_EQ(root->At(0).id, CChordCatalog::kCommandBase);
    std::set<std::string> titles;
    for (const MenuItem& item : root->Items())
        if (item.kind == MenuItem::Kind::Popup)
            titles.insert(item.text);
    EXPECT_TRUE(titles.count("preset"));
    EXPECT_TRUE(titles.count("interval"));
}

namespace {

// Pitch class of a note name such as "C", "F#", "Bbb".
int PitchClass(std::string_view name)
{
    static constexpr int kLetters[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int pitch = kLetters[name[0] - 'A'];
    for (char accidental : name.substr(1))
        pitch += accidental == '#' ? 1 : -1;
    return (pitch + 12) % 12;
}

std::set<int> PitchClasses(std::string_view names)
{
    std::set<int> pitches;
    std::size_t start = 0;
    while (start < names.size()) {
        std::size_t end = names.find(' ', start);
        if (end == std::string_view::npos)
            end = names.size();
        pitches.insert(PitchClass(names.substr(start, end - start)));
        start = end + 1;
    }
    return pitches;
}

// The tones each chord's name stands for with the key C, over C major or,
// for a preset chord, over its own scale.
const std::map<std::string, std::string>& TonesInC()
{
    static const std::map<std::string, std::string> tones = {
        {"I", "C E G"}, {"II", "D F A"}, {"III", "E G B"}, {"IV", "F A C"}, {"V", "G B D"},
        {"VI", "A C E"}, {"VII", "B D F"}, {"inv1", "E G C"}, {"inv2", "G C E"}, {"maj", "C E G"},
        {"min", "C Eb G"}, {"dim", "C Eb Gb"}, {"aug", "C E G#"}, {"power", "C G"},
        {"I6", "C E G A"}, {"I6/9", "C E G A D"}, {"6", "C E G A"}, {"min6", "C Eb G A"},
        {"minb6", "C Eb G Ab"}, {"6/9", "C E G A D"}, {"min6/9", "C Eb G A D"},
        {"I7", "C E G B"}, {"II7", "D F A C"}, {"III7", "E G B D"}, {"IV7", "F A C E"},
        {"V7", "G B D F"}, {"VI7", "A C E G"}, {"VII7", "B D F A"}, {"7", "C E G Bb"},
        {"maj7", "C E G B"}, {"min7", "C Eb G Bb"}, {"minmaj7", "C Eb G B"}, {"min7b5", "C Eb Gb Bb"},
        {"dim7", "C Eb Gb Bbb"}, {"aug7", "C E G# Bb"}, {"augmaj7", "C E G# B"}, {"7b5", "C E Gb Bb"},
        {"sus", "C F G"}, {"sus2", "C D G"}, {"sus4", "C F G"}, {"7sus2", "C D G Bb"},
        {"7sus4", "C F G Bb"}, {"9sus4", "C F G Bb D"}, {"add2", "C D E G"}, {"add4", "C E F G"},
        {"add9", "C E G D"}, {"add11", "C E G F"}, {"add#11", "C E G F#"}, {"minadd9", "C Eb G D"},
        {"I9", "C E G B D"}, {"I11", "C E G B D F"}, {"I13", "C E G B D F A"},
        {"9b5", "C E Gb Bb D"}, {"13b9", "C E G Bb Db A"}, {"7#9#5", "C E G# Bb D#"},
        {"7#11", "C E G Bb F#"}, {"9#11", "C E G Bb D F#"}, {"min13", "C Eb G Bb D F A"},
        {"7b13", "C E G Bb Ab"}, {"dom9", "C E G Bb D"}, {"maj9", "C E G B D"}, {"min9", "C Eb G Bb D"},
        {"7b9", "C E G Bb Db"}, {"7#9", "C E G Bb D#"}, {"dom11", "C E G Bb D F"},
        {"min11", "C Eb G Bb D F"}, {"dom13", "C E G Bb D A"}, {"maj13", "C E G B D A"},
        {"minmaj7-mm", "C Eb G B"}, {"V7-hm", "G B D F"}, {"V7b9-hm", "G B D F Ab"},
        {"dim7-wh", "C Eb Gb Bbb"}, {"aug-wt", "C E G#"}, {"augmaj7-la", "C E G# B"},
        {"7#11-ld", "C E G Bb F#"}, {"min7b5-loc", "C Eb Gb Bb"}, {"quartal", "C F Bb"},
        {"7-pd", "C E G Bb"},
        {"m2", "C Db"}, {"M2", "C D"}, {"m3", "C Eb"}, {"M3", "C E"}, {"P4", "C F"}, {"A4", "C F#"},
        {"d5", "C Gb"}, {"P5", "C G"}, {"A5", "C G#"}, {"m6", "C Ab"}, {"M6", "C A"}, {"m7", "C Bb"},
        {"M7", "C B"}, {"P8", "C"}, {"m9", "C Db"}, {"M9", "C D"}, {"m10", "C Eb"}, {"M10", "C E"},
        {"P11", "C F"}, {"A11", "C F#"}, {"m13", "C Ab"}, {"M13", "C A"}, {"A2", "C D#"},
        {"d4", "C Fb"}, {"A6", "C A#"}, {"d7", "C Bbb"},
        {"7alt", "C E Bb Db D# F# Ab"}, {"maj7#11", "C E G B F#"}, {"13#11", "C E G Bb D F# A"},
        {"7b9b13", "C E G Bb Db Ab"}, {"9#5", "C E G# Bb D"}, {"minmaj9", "C Eb G B D"},
        {"min9b5", "C Eb Gb Bb D"}, {"dimmaj7", "C Eb Gb B"}, {"7sus4b9", "C F G Bb Db"},
        {"N6", "Db F Ab"}, {"It+6", "Ab C F#"}, {"Fr+6", "Ab C D F#"}, {"Ger+6", "Ab C Eb F#"},
    };
    return tones;
}

std::set<int> FilledPitchClasses(const NoteRow& labels)
{
    std::set<int> pitches;
    for (int i = 0; i < 12; ++i)
        if (!labels[static_cast<std::size_t>(i)].Empty())
            pitches.insert(i);
    return pitches;
}

std::set<int> SpanPitchClasses(const NoteSpan& span)
{
    std::set<int> pitches;
    for (int i = 0; i < 25; ++i)
        if (!span[static_cast<std::size_t>(i)].Empty())
            pitches.insert(i % 12);
    return pitches;
}

} // namespace

TEST_F(CatalogFiles, EveryChordInCMajorHasTheTonesItsNameStandsFor)
{
    std::set<std::string> seen;
    for (int i = 1; i < chords.Count(); ++i) {
        const std::string& key = chords.GetKey(i);
        if (key == "group" || key.starts_with('@'))
            continue;
        auto expected = TonesInC().find(key);
        if (expected == TonesInC().end()) {
            ADD_FAILURE() << "no tones listed for " << key;
            continue;
        }
        seen.insert(key);
        model.SetDefaults();
        model.SelectChord(i);
        model.ComputeNotes();
        std::set<int> pitches = PitchClasses(expected->second);
        EXPECT_EQ(FilledPitchClasses(model.labels), pitches) << key << ": " << model.chordName;
        EXPECT_EQ(SpanPitchClasses(model.span), pitches) << key << ": " << model.chordName;
    }
    EXPECT_EQ(seen.size(), TonesInC().size());
}

TEST_F(CatalogFiles, EveryShortNameFindsOneChord)
{
    std::set<std::string> names;
    int count = 0;
    for (int i = 0; i < chords.Count(); ++i) {
        const std::string& key = chords.GetKey(i);
        if (key == "group" || key.starts_with('@'))
            continue;
        ++count;
        EXPECT_TRUE(names.insert(key).second) << key << " twice";
        EXPECT_FALSE(key.starts_with('#')) << key << " reads as a record number";
    }
    EXPECT_GE(count, 118);
    EXPECT_LE(chords.Count(), CChordCatalog::kCapacity);
    EXPECT_EQ(chords.GetKey(chords.Count() - 1), "@");
}

TEST_F(CatalogFiles, ChordRecordsThatScriptsUseKeepTheirNumbers)
{
    EXPECT_EQ(chords.GetKey(2), "I");
    EXPECT_EQ(chords.GetKey(32), "7");
    EXPECT_EQ(chords.GetKey(69), "7b9");
    EXPECT_EQ(chords.GetKey(77), "V7-hm");
    EXPECT_EQ(chords.GetKey(87), "m2");
    EXPECT_EQ(chords.GetGroup(106), "interval");
}

#include "InstrumentFixture.h"

#include <set>

#include "text/ReadTokens.h"
#include "instruments/InstrumentCatalog.h"
#include "instruments/StringedInstrument.h"
#include "instruments/WindInstrument.h"

namespace {

class CatalogFile : public InstrumentFixture {
protected:
    void SetUp() override
    {
        InstrumentFixture::SetUp();
        ASSERT_TRUE(catalog.Load(std::string(MORVIX_SOURCE_DIR) + "/res/INSTRUM.USE"));
    }

    bool Known(std::string_view name) const
    {
        NotePosition position;
        return speller.FindName(name, position);
    }

    CInstrumentCatalog catalog;
};

} // namespace

TEST_F(CatalogFile, EndsWithItsMarkerAndEveryInstrumentHasAKind)
{
    ASSERT_LT(catalog.Count(), CInstrumentCatalog::kCapacity);
    EXPECT_EQ(catalog.NameOf(catalog.Count() - 1), "@");
    std::set<std::string> names;
    int kinds[6] = {};
    for (int i = 0; i < catalog.Count(); ++i) {
        if (!catalog.IsInstrument(i))
            continue;
        EXPECT_LE(catalog.NameOf(i).size(), CInstrumentCatalog::kNameLimit);
        EXPECT_TRUE(names.insert(catalog.NameOf(i)).second) << "two entries named " << catalog.NameOf(i);
        InstrumentKind kind = catalog.KindOf(i);
        EXPECT_TRUE(kind >= kStringedInstrument && kind <= kWindInstrument) << catalog.NameOf(i);
        ++kinds[kind];
    }
    EXPECT_GE(names.size(), 50u);
    EXPECT_EQ(kinds[kSheetInstrument], 12);
    EXPECT_GE(kinds[kWindInstrument], 5);
    EXPECT_GE(kinds[kKeyboardInstrument], 6);
}

TEST_F(CatalogFile, StringedEntriesParseIntoKnownTuningsWithinTheLimits)
{
    for (int i = 0; i < catalog.Count(); ++i) {
        if (!catalog.IsInstrument(i) || catalog.KindOf(i) != kStringedInstrument)
            continue;
        const std::string& name = catalog.NameOf(i);
        StringedInstrument board;
        board.SetDefaults(catalog.TextOf(i));
        // Read back whole: nothing left over or missing after the voice.
        EXPECT_EQ(board.FormatState(), "_Stringed " + catalog.TextOf(i).substr(2) + " 22 s " +
                                           catalog.TextOf(i).substr(0, 1) + " r a r")
            << name;
        EXPECT_TRUE(board.stringCount >= 1 && board.stringCount <= StringedInstrument::kMaxStrings) << name;
        EXPECT_TRUE(board.fretStatus == 'y' || board.fretStatus == 'n') << name;
        EXPECT_TRUE(board.voice >= 0 && board.voice <= 127) << name;
        for (int s = 0; s < board.stringCount; ++s) {
            std::size_t k = static_cast<std::size_t>(s);
            NotePosition open;
            EXPECT_TRUE(speller.FindName(board.tunings[k].Text(), open)) << name << " string " << s + 1;
            // Every fret the details dialog allows sounds a MIDI note.
            int note = 12 * board.octaves[k] + open.pitchClass;
            EXPECT_TRUE(note >= 0 && note + 48 <= 127) << name << " string " << s + 1;
        }
    }
}

TEST_F(CatalogFile, EveryStringedEntryListsTheStringsItCountsAndNashvilleRaisesFourCourses)
{
    for (int i = 0; i < catalog.Count(); ++i)
        if (catalog.IsInstrument(i) && catalog.KindOf(i) == kStringedInstrument) {
            CountedStrings strings = CountCatalogueStrings(catalog.TextOf(i));
            EXPECT_EQ(strings.listed, strings.declared) << catalog.NameOf(i);
        }
    StringedInstrument nashville, standard;
    nashville.SetDefaults(catalog.TextOf(catalog.FindInstrument("Guitar-Nashville")));
    standard.SetDefaults(catalog.TextOf(catalog.FindInstrument("Guitar")));
    ASSERT_EQ(nashville.stringCount, 6);
    // The E, A, D and G courses sound an octave up; B and E as in standard tuning.
    for (std::size_t s = 0; s < 6; ++s) {
        EXPECT_EQ(nashville.tunings[s].Text(), standard.tunings[s].Text()) << s;
        EXPECT_EQ(nashville.octaves[s], standard.octaves[s] + (s < 4 ? 1 : 0)) << s;
    }
}

TEST_F(CatalogFile, RecorderEntriesParseIntoKnownTunings)
{
    int count = 0;
    for (int i = 0; i < catalog.Count(); ++i) {
        if (!catalog.IsInstrument(i) || catalog.KindOf(i) != kWindInstrument)
            continue;
        WindInstrument recorder;
        recorder.SetDefaults(catalog.TextOf(i));
        EXPECT_EQ(recorder.FormatState(), "_Recorder " + catalog.TextOf(i)) << catalog.NameOf(i);
        EXPECT_TRUE(Known(recorder.tuning.Text())) << catalog.NameOf(i);
        EXPECT_EQ(recorder.voice, 74);
        ++count;
    }
    EXPECT_EQ(count, 5);
}

TEST_F(CatalogFile, KeyboardAndSheetEntriesHaveTheirParameterShapes)
{
    const std::string clefCodes = "GV43MCT21FLP";
    std::set<char> clefs;
    for (int i = 0; i < catalog.Count(); ++i) {
        if (!catalog.IsInstrument(i))
            continue;
        const std::string& text = catalog.TextOf(i);
        if (catalog.KindOf(i) == kSheetInstrument) {
            ASSERT_EQ(text.size(), 1u) << catalog.NameOf(i);
            EXPECT_NE(clefCodes.find(text[0]), std::string::npos) << catalog.NameOf(i);
            clefs.insert(text[0]);
        } else if (catalog.KindOf(i) == kKeyboardInstrument) {
            std::size_t cursor = 0;
            int keys = ReadInt(text, cursor);
            std::string lowest = ReadToken(text, cursor);
            int octave = ReadInt(text, cursor);
            EXPECT_TRUE(keys >= 25 && keys <= 88) << catalog.NameOf(i);
            EXPECT_TRUE(Known(lowest)) << catalog.NameOf(i);
            EXPECT_LE(12 * octave + keys, 128 + 12) << catalog.NameOf(i);
        }
    }
    EXPECT_EQ(clefs.size(), clefCodes.size());
}

TEST_F(CatalogFile, GuitarStandardTuningIsTheFirstInstrument)
{
    int guitar = catalog.FindInstrument("Guitar");
    ASSERT_GE(guitar, 0);
    EXPECT_EQ(catalog.TextOf(guitar), "y 6 E 3 A 3 D 4 G 4 B 4 E 5 G -12 24");
    EXPECT_EQ(catalog.KindOf(guitar), kStringedInstrument);
    MenuPtr menu = catalog.BuildMenu();
    const MenuItem* item = menu->FindCommand(CInstrumentCatalog::kCommandBase + guitar);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, "Guitar");
}

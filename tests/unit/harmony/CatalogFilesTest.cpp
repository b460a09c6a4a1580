#include "HarmonyFixture.h"

#include <set>

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
    EXPECT_GE(count, 60);
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

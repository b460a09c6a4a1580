#pragma once
// The shipped catalogues and a model on them, for tests that need real data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harmony/ChordCatalog.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"

class HarmonyFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scales.Load(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE"));
        ASSERT_TRUE(chords.Load(std::string(MORVIX_SOURCE_DIR) + "/res/CHORDS.USE"));
        model.SetDefaults();
    }

    int Scale(const std::string& fullName)
    {
        int index = scales.FindByFullName(fullName);
        EXPECT_GE(index, 0) << fullName;
        return index;
    }

    // The chord record whose short name is key inside the group titled group.
    int Chord(const std::string& group, const std::string& key)
    {
        for (int i = 0; i < CChordCatalog::kCapacity; ++i)
            if (chords.GetKey(i) == key && chords.GetGroup(i) == group)
                return i;
        ADD_FAILURE() << group << "/" << key;
        return 0;
    }

    // Every scale record of the catalogue (groups left out), in order.
    std::vector<int> ScaleRecords() const
    {
        std::vector<int> records;
        for (int i = 0; i < CScaleCatalog::kCapacity; ++i)
            if (scales.Record(i).depth >= 0 && scales.Record(i).childCount == 1)
                records.push_back(i);
        return records;
    }

    // Chooses key and scale and computes the notes.
    void Show(const std::string& key, const std::string& scale)
    {
        ASSERT_TRUE(model.SelectKey(key));
        model.SelectScale(Scale(scale));
        model.ComputeNotes();
    }

    static std::vector<std::string> Texts(const NoteRow& row)
    {
        std::vector<std::string> texts;
        for (const NoteCell& cell : row)
            texts.emplace_back(cell.Text());
        return texts;
    }

    CNoteSpeller speller;
    CScaleCatalog scales;
    CChordCatalog chords;
    CModelState model{speller, scales, chords};
};

#pragma once
// A model on the shipped catalogues and an instrument base set up for the
// ASCII glyphs, for tests that draw instruments.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/Settings.h"
#include "harmony/ChordCatalog.h"
#include "harmony/ModelState.h"
#include "harmony/NoteSpeller.h"
#include "harmony/ScaleCatalog.h"
#include "instruments/InstrumBase.h"
#include "instruments/NoteSources.h"

class InstrumentFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(scales.Load(std::string(MORVIX_SOURCE_DIR) + "/res/SCALES.USE"));
        ASSERT_TRUE(chords.Load(std::string(MORVIX_SOURCE_DIR) + "/res/CHORDS.USE"));
        model.SetDefaults();
        model.ComputeNotes();
        base.charSet = 0;
    }

    void ShowScale(const std::string& key, const std::string& fullName)
    {
        ASSERT_TRUE(model.SelectKey(key));
        int index = scales.FindByFullName(fullName);
        ASSERT_GE(index, 0) << fullName;
        model.SelectScale(index);
        model.ComputeNotes();
    }

    void ShowChord(const std::string& group, const std::string& key)
    {
        for (int i = 0; i < CChordCatalog::kCapacity; ++i)
            if (chords.GetKey(i) == key && chords.GetGroup(i) == group) {
                model.SelectChord(i);
                model.ComputeNotes();
                return;
            }
        FAIL() << group << "/" << key;
    }

    std::vector<std::string> DrawnLines() const { return base.ValidLines(); }

    CNoteSpeller speller;
    CScaleCatalog scales;
    CChordCatalog chords;
    CModelState model{speller, scales, chords};
    InstrumBase base;
    NoteMarks marks{};
};

// A settings profile in memory, as a map of "section/key" to text.
class MapSettings : public ISettings {
public:
    int GetInt(const std::string& section, const std::string& key, int fallback) override
    {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : std::stoi(it->second);
    }
    std::string GetString(const std::string& section, const std::string& key, const std::string& fallback) override
    {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : it->second;
    }
    void WriteInt(const std::string& section, const std::string& key, int value) override
    {
        values[section + "/" + key] = std::to_string(value);
    }
    void WriteString(const std::string& section, const std::string& key, const std::string& value) override
    {
        values[section + "/" + key] = value;
    }

    std::map<std::string, std::string> values;
};

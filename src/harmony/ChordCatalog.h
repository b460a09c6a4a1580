#pragma once
// The chord catalogue: a flat list of chord lines in titled groups, read
// from "CHORDS.USE" into a fixed table of 128 records.
#include <array>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "framework/Menu.h"

struct ChordRecord {
    std::string key;   // "group", a terminator beginning with '@', or the chord's short name
    std::string text;  // the group title or the chord description
};

class CChordCatalog {
public:
    static constexpr int kCapacity = 128;
    static constexpr int kCommandBase = 2240;
    static constexpr const char* kFileName = "CHORDS.USE";

    bool Load(const std::filesystem::path& file);
    void Read(std::istream& in);
    void ReadText(std::string_view text);

    // The Chord menu: chords before the first group as items of the root,
    // each group as a popup titled by its text.
    MenuPtr BuildMenu() const;

    const std::string& GetKey(int index) const;
    const std::string& GetText(int index) const;
    // A chord line: not a group line, the terminator or an unused record.
    bool IsChord(int index) const;
    // "none" for record 0 and for a record with no group line before it.
    std::string GetGroup(int index) const;
    // A chord as the model shows it: its description, then a blank and its
    // short name, except for an interval, which shows its description only.
    std::string ShownName(int index) const;
    // The chord line a model shows as shown; 0 (no chord) when none does.
    int FindShown(std::string_view shown) const;
    // Records taken by the last read, the terminator included.
    int Count() const { return count_; }

private:
    bool Valid(int index) const { return index >= 0 && index < kCapacity; }

    std::array<ChordRecord, kCapacity> records_{};
    int count_ = 0;
};

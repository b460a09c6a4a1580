#pragma once
// The scale catalogue: a tree of groups and scales read in pre-order from
// "SCALES.USE" into a fixed table of 128 records.
#include <array>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Menu.h"

class CatalogLineReader;

struct ScaleRecord {
    std::string name;        // one word, at most kNameLimit characters
    int childCount = 0;      // 1 for a scale, 2 or more for a group
    int depth = -1;          // 0 at the top level; -1 when not read
    int parent = -1;         // the enclosing group, -1 at the top level
    std::array<int, 13> steps{};  // semitone steps, closed by the first value <= 0
    // The interval number of each tone, from the spelling that may follow
    // the closing value; empty when there is none or it does not fit.
    std::vector<int> spelling;
};

class CScaleCatalog {
public:
    static constexpr int kCapacity = 128;
    static constexpr int kCommandBase = 2112;
    static constexpr std::size_t kNameLimit = 31;
    static constexpr const char* kFileName = "SCALES.USE";

    // Reads the catalogue file at this full path. False, with the table left
    // as it was, when it cannot be opened.
    bool Load(const std::filesystem::path& file);
    void Read(std::istream& in);
    void ReadText(std::string_view text);

    // The Scale menu: groups as popups, scales as items with id base + record.
    MenuPtr BuildMenu() const;

    std::string GetNodeName(int index) const;
    // The record's name followed by its ancestors' names, nearest first.
    std::string GetFullName(int index) const;
    int FindByFullName(std::string_view text) const;
    int GetStep(int index, int k) const;
    int GetChildCount(int index) const;
    int GetParent(int index) const;
    // The record after the whole subtree of index, or -1.
    int NextSibling(int index) const;
    int TopCount() const { return topCount_; }
    // The whole record; a cleared one for an index out of range.
    const ScaleRecord& Record(int index) const;

private:
    bool ReadNode(CatalogLineReader& reader, int depth, int parent);
    MenuPtr BuildMenu(int first, int count) const;
    bool Valid(int index) const { return index >= 0 && index < kCapacity; }

    std::array<ScaleRecord, kCapacity> records_{};
    int topCount_ = 0;
    int freeIndex_ = 0;
};

#pragma once
// The instrument catalogue: the entries of "INSTRUM.USE" in file order, in
// groups whose outer caption names the kind of every entry inside.
#include <array>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "framework/Menu.h"
#include "instruments/InstrumentKind.h"

struct InstrumentEntry {
    std::string name;  // the first word: "group", "endgroup", "-..." or the instrument's name
    std::string text;  // the rest of the line: a caption or the instrument's parameters
};

class CInstrumentCatalog {
public:
    static constexpr int kCapacity = 128;
    static constexpr int kCommandBase = 2368;
    static constexpr std::size_t kNameLimit = 31;
    static constexpr const char* kFileName = "INSTRUM.USE";

    // Reads the catalogue file at this full path. False, with the table left
    // as it was, when it cannot be opened.
    bool Load(const std::filesystem::path& file);
    void Read(std::istream& in);
    void ReadText(std::string_view text);

    // The Instrument menu: groups as popups, instruments as items with id
    // base + entry, names beginning with '-' as separators.
    MenuPtr BuildMenu() const;

    const std::string& NameOf(int index) const;
    const std::string& TextOf(int index) const;
    InstrumentKind KindOf(int index) const;
    // Entries taken by the last read, the end marker included.
    int Count() const { return count_; }
    // The first instrument entry with exactly this name, or -1.
    int FindInstrument(std::string_view name) const;
    // True for an entry that names an instrument (not structure, not the end).
    bool IsInstrument(int index) const;

private:
    bool Valid(int index) const { return index >= 0 && index < count_; }
    bool IsEnd(int index) const;
    MenuPtr BuildMenu(int& position) const;

    std::array<InstrumentEntry, kCapacity> entries_{};
    int count_ = 0;
};

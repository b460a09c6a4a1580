#pragma once
// "LAYOUT.USE": the documents open at exit, one line each with its state
// string, reopened in order at the next start.
#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

struct LayoutEntry {
    int catalogueIndex = -1;  // an instrument's catalogue entry; -1 for other documents
    int kind = -1;
    int serial = -1;
    int ownerSerial = -1;     // an instrument's model; 0 otherwise
    int order = -1;           // the entry number read from the file
    std::string name;         // the settings section
    std::string state;
};

class CStartupLayout {
public:
    static constexpr int kCapacity = 128;
    static constexpr const char* kFileName = "LAYOUT.USE";
    static constexpr std::size_t kLineLimit = 1023;
    // The document kinds a layout keeps besides models (1) and instruments (2 to 5).
    static constexpr int kTextKind = 0;
    static constexpr int kMidiKind = 6;

    void Reset();
    // False when the table is full.
    bool Add(const LayoutEntry& entry);

    // Text documents first, then MIDI listings, then each model followed by
    // its instruments.
    std::vector<int> WritingOrder() const;
    void Write(std::ostream& out) const;
    // Through a temporary file renamed into place: a crash keeps the old file.
    bool Save(const std::string& path, std::string* reason = nullptr) const;

    // Replaces the table with the file's entries; false when it cannot be read.
    bool Load(const std::string& path);
    void Read(std::istream& in);

    const std::vector<LayoutEntry>& Entries() const { return entries_; }
    std::vector<LayoutEntry>& Entries() { return entries_; }
    // The serial reopened for each file entry number, 0 where nothing reopened.
    std::array<int, kCapacity>& OrderList() { return order_; }

private:
    std::vector<LayoutEntry> entries_;
    std::array<int, kCapacity> order_{};
};

#pragma once
// The recently opened or saved files, newest first, kept in the settings
// profile so they survive between runs.
#include <string>
#include <vector>

class ISettings;

class CRecentFileList {
public:
    static constexpr int kCapacity = 12;
    static constexpr const char* kSection = "Recent File List";

    explicit CRecentFileList(ISettings& settings) : settings_(settings) {}

    void Load();
    // Moves path to the front (adding it when new) and writes the list;
    // while frozen, nothing.
    void Add(const std::string& path);
    void Freeze(bool frozen) { frozen_ = frozen; }
    // Removes the entry at index and writes the list; out of range: nothing.
    void Remove(int index);

    const std::vector<std::string>& Paths() const { return paths_; }

private:
    void Save() const;

    ISettings& settings_;
    std::vector<std::string> paths_;
    bool frozen_ = false;
};

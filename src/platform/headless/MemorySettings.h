#pragma once
// Settings kept in memory for as long as the object lives: the headless
// stand-in for the user's profile.
#include <map>
#include <string>

#include "framework/Settings.h"

class MemorySettings : public ISettings {
public:
    using Section = std::map<std::string, std::string>;
    using Sections = std::map<std::string, Section>;

    int GetInt(const std::string& section, const std::string& key, int fallback) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    const Sections& All() const { return sections_; }

protected:
    void Replace(Sections sections) { sections_ = std::move(sections); }
    bool IsDirty() const { return dirty_; }
    void MarkClean() { dirty_ = false; }

private:
    const std::string* Find(const std::string& section, const std::string& key) const;

    Sections sections_;
    bool dirty_ = false;
};

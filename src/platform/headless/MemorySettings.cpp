#include "platform/headless/MemorySettings.h"

#include <charconv>

const std::string* MemorySettings::Find(const std::string& section, const std::string& key) const
{
    auto s = sections_.find(section);
    if (s == sections_.end())
        return nullptr;
    auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

int MemorySettings::GetInt(const std::string& section, const std::string& key, int fallback)
{
    const std::string* text = Find(section, key);
    if (!text)
        return fallback;
    int value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    // A value that is not wholly a number counts as absent.
    if (error != std::errc() || end != text->data() + text->size())
        return fallback;
    return value;
}

std::string MemorySettings::GetString(const std::string& section, const std::string& key,
                                      const std::string& fallback)
{
    const std::string* text = Find(section, key);
    return text ? *text : fallback;
}

void MemorySettings::WriteInt(const std::string& section, const std::string& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void MemorySettings::WriteString(const std::string& section, const std::string& key,
                                 const std::string& value)
{
    sections_[section][key] = value;
    dirty_ = true;
}

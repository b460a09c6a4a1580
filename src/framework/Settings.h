#pragma once
// Settings profile port: values by section and key; a missing value yields
// the caller's default. A section may be a file path.
#include <string>

class ISettings {
public:
    virtual ~ISettings() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) = 0;
    virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Persists what was written (the stores also flush on destruction).
    virtual void Flush() {}
};

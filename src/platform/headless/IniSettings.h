#pragma once
// Settings in an INI file: read once at construction, written back on Flush
// and on destruction. The file is replaced atomically (temporary file, then
// rename) so a crash never leaves half of it. A file that cannot be read or
// understood is reported on the error stream and the store starts empty;
// its old content is kept beside it as "<file>.bad" before it is replaced.
#include <iosfwd>
#include <string>

#include "platform/headless/MemorySettings.h"

class IniSettings : public MemorySettings {
public:
    IniSettings(std::string path, std::ostream& errors);
    ~IniSettings() override;
    IniSettings(const IniSettings&) = delete;
    IniSettings& operator=(const IniSettings&) = delete;

    // False (with a message) when the file could not be written.
    bool Save();
    void Flush() override { Save(); }
    const std::string& Path() const { return path_; }

private:
    void Load();
    bool WriteFile(const std::string& text);

    std::string path_;
    std::ostream& errors_;
    bool damaged_ = false;
};

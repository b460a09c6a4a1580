#pragma once
// Settings profile over QSettings, in the user's configuration area under
// the company and application names, or in an INI file of one's choosing.
#include <QSettings>

#include <memory>

#include "framework/Settings.h"

class QtSettings : public ISettings {
public:
    QtSettings();
    explicit QtSettings(const QString& iniFile);

    int GetInt(const std::string& section, const std::string& key, int fallback) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) override;
    void WriteInt(const std::string& section, const std::string& key, int value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void Flush() override;

private:
    std::unique_ptr<QSettings> store_;
};

#include "platform/qt/SettingsKey.h"

#include "framework/SettingsSection.h"

QString SettingsKey(const std::string& section, const std::string& key)
{
    return QString::fromStdString(EscapeSectionName(section) + '/' + EscapeSectionName(key));
}

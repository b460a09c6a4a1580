#include "platform/qt/QtSettings.h"

#include "platform/qt/SettingsKey.h"

QtSettings::QtSettings()
    : store_(std::make_unique<QSettings>(QStringLiteral("Pelorin Enterprises"),
                                         QStringLiteral("Morvix Music Reference")))
{
}

QtSettings::QtSettings(const QString& iniFile)
    : store_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

int QtSettings::GetInt(const std::string& section, const std::string& key, int fallback)
{
    QVariant value = store_->value(SettingsKey(section, key));
    bool ok = false;
    int number = value.toInt(&ok);
    return ok ? number : fallback;
}

std::string QtSettings::GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback)
{
    QVariant value = store_->value(SettingsKey(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettings::WriteInt(const std::string& section, const std::string& key, int value)
{
    store_->setValue(SettingsKey(section, key), value);
}

void QtSettings::WriteString(const std::string& section, const std::string& key,
                             const std::string& value)
{
    store_->setValue(SettingsKey(section, key), QString::fromStdString(value));
}

void QtSettings::Flush()
{
    store_->sync();
}

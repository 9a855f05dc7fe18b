#include "core/QSettingsStore.h"

#include "core/Cp1252.h"
#include "core/TextHelpers.h"

#include <QSettings>

namespace vamok {

namespace {

QString KeyAsGroup(const std::string& subKey)
{
    QString group = FromCp1252(kSettingsKey).replace('\\', '/');
    if (!subKey.empty()) {
        group += '/' + FromCp1252(subKey);
    }
    return group;
}

} // namespace

QSettingsStore::QSettingsStore() = default;

QSettingsStore::QSettingsStore(const QString& iniFile) : iniFile_(iniFile) {}

std::unique_ptr<QSettings> QSettingsStore::open(const std::string& subKey) const
{
    std::unique_ptr<QSettings> settings;
    if (!iniFile_.isEmpty()) {
        settings = std::make_unique<QSettings>(iniFile_, QSettings::IniFormat);
        settings->beginGroup(KeyAsGroup(subKey));
        return settings;
    }
#ifdef Q_OS_WIN
    QString path = "HKEY_CURRENT_USER\\" + FromCp1252(kSettingsKey);
    if (!subKey.empty()) {
        path += '\\' + FromCp1252(subKey);
    }
    settings = std::make_unique<QSettings>(path, QSettings::NativeFormat);
#else
    settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "QAL", "Vamok");
    settings->beginGroup(KeyAsGroup(subKey));
#endif
    return settings;
}

bool QSettingsStore::exists(const std::string& subKey, const std::string& name) const
{
    return open(subKey)->contains(FromCp1252(name));
}

std::optional<std::string> QSettingsStore::readText(const std::string& subKey,
                                                    const std::string& name) const
{
    const QVariant value = open(subKey)->value(FromCp1252(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return ToCp1252(value.toString());
}

std::optional<int> QSettingsStore::readInt(const std::string& subKey, const std::string& name) const
{
    const std::optional<std::string> text = readText(subKey, name);
    if (!text) {
        return std::nullopt;
    }
    return ParseInt32(*text);
}

void QSettingsStore::writeText(const std::string& subKey, const std::string& name,
                               const std::string& value)
{
    auto settings = open(subKey);
    settings->setValue(FromCp1252(name), FromCp1252(value));
    settings->sync();
}

void QSettingsStore::writeInt(const std::string& subKey, const std::string& name, int value)
{
    auto settings = open(subKey);
    settings->setValue(FromCp1252(name), value);
    settings->sync();
}

void QSettingsStore::remove(const std::string& subKey, const std::string& name)
{
    auto settings = open(subKey);
    settings->remove(FromCp1252(name));
    settings->sync();
}

} // namespace vamok

#include "core/QSettingsStore.h"

#include "core/AtomicSave.h"
#include "core/Cp1252.h"
#include "core/IniFile.h"
#include "core/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtGlobal>

#include <cerrno>

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

QString KeyPath(const std::string& subKey, const std::string& name)
{
    return KeyAsGroup(subKey) + '/' + FromCp1252(name);
}

#ifdef Q_OS_WIN
std::unique_ptr<QSettings> OpenRegistry(const std::string& subKey)
{
    QString path = "HKEY_CURRENT_USER\\" + FromCp1252(kSettingsKey);
    if (!subKey.empty()) {
        path += '\\' + FromCp1252(subKey);
    }
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
}
#endif

// Where QSettings keeps the user's INI file for the organisation and program.
QString UserIniFile()
{
#ifdef Q_OS_WIN
    return {};
#else
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "QAL", "Vamok").fileName();
#endif
}

} // namespace

QSettingsStore::QSettingsStore() : iniFile_(UserIniFile()) {}

QSettingsStore::QSettingsStore(const QString& iniFile) : iniFile_(iniFile) {}

std::optional<SettingsIniFile> QSettingsStore::load(std::string* error) const
{
    QFile file(iniFile_);
    if (!file.exists()) {
        return SettingsIniFile{};
    }
    // A file too large to be the settings is not read, and so never rewritten.
    if (file.size() > static_cast<qint64>(kMaxIniFileSize)) {
        *error = SystemReason(EFBIG);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = ToCp1252(file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = ToCp1252(file.errorString());
        return std::nullopt;
    }
    return SettingsIniFile::FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<QString> QSettingsStore::read(const std::string& subKey, const std::string& name) const
{
#ifdef Q_OS_WIN
    if (iniFile_.isEmpty()) {
        const QVariant value = OpenRegistry(subKey)->value(FromCp1252(name));
        return value.isValid() ? std::optional<QString>(value.toString()) : std::nullopt;
    }
#endif
    std::string error;
    const std::optional<SettingsIniFile> file = load(&error);
    return file ? file->value(KeyPath(subKey, name)) : std::nullopt;
}

std::optional<std::string> QSettingsStore::store(const std::string& subKey, const std::string& name,
                                                 const QVariant& value)
{
#ifdef Q_OS_WIN
    if (iniFile_.isEmpty()) {
        auto settings = OpenRegistry(subKey);
        if (value.isValid()) {
            settings->setValue(FromCp1252(name), value);
        } else {
            settings->remove(FromCp1252(name));
        }
        settings->sync();
        if (settings->status() == QSettings::NoError) {
            return std::nullopt;
        }
        return std::string("The registry key could not be written");
    }
#endif
    const auto failed = [this](const std::string& reason) {
        qWarning("Settings not saved in %s: %s", qPrintable(iniFile_), qPrintable(FromCp1252(reason)));
        return reason;
    };
    std::string error;
    std::optional<SettingsIniFile> file = load(&error);
    if (!file) {
        return failed(error);
    }
    const std::string before = file->toBytes();
    if (value.isValid()) {
        file->setValue(KeyPath(subKey, name), value.toString());
    } else {
        file->remove(KeyPath(subKey, name));
    }
    const std::string after = file->toBytes();
    if (after == before) {
        return std::nullopt;
    }
    QDir().mkpath(QFileInfo(iniFile_).absolutePath());
    if (const std::optional<std::string> failure = SaveAtomically(iniFile_, after)) {
        return failed(*failure);
    }
    return std::nullopt;
}

bool QSettingsStore::exists(const std::string& subKey, const std::string& name) const
{
    return read(subKey, name).has_value();
}

std::optional<std::string> QSettingsStore::readText(const std::string& subKey,
                                                    const std::string& name) const
{
    const std::optional<QString> value = read(subKey, name);
    if (!value) {
        return std::nullopt;
    }
    return ToCp1252(*value);
}

std::optional<int> QSettingsStore::readInt(const std::string& subKey, const std::string& name) const
{
    const std::optional<std::string> text = readText(subKey, name);
    if (!text) {
        return std::nullopt;
    }
    return ParseInt32(*text);
}

std::optional<std::string> QSettingsStore::writeText(const std::string& subKey, const std::string& name,
                                                     const std::string& value)
{
    return store(subKey, name, FromCp1252(value));
}

std::optional<std::string> QSettingsStore::writeInt(const std::string& subKey, const std::string& name,
                                                    int value)
{
    return store(subKey, name, value);
}

std::optional<std::string> QSettingsStore::remove(const std::string& subKey, const std::string& name)
{
    return store(subKey, name, QVariant());
}

} // namespace vamok

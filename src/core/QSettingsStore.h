#pragma once
// The platform settings store. On Windows the values live in the registry
// under HKEY_CURRENT_USER\SOFTWARE\QAL\Vamok\1.2; elsewhere in an INI file in
// the user's configuration folder (organisation "QAL", file "Vamok.ini": the
// file and format of QSettings), where the key path becomes the group path
// SOFTWARE/QAL/Vamok/1.2. That file is read and written here
// (core/SettingsIniFile.h) and saved atomically, so a failed save leaves the
// old file and says why.
#include "core/SettingsIniFile.h"
#include "core/SettingsStore.h"

#include <QString>
#include <QVariant>

namespace vamok {

class QSettingsStore : public SettingsStore {
public:
    QSettingsStore();
    // An INI file of the caller's choice (same group layout).
    explicit QSettingsStore(const QString& iniFile);

    bool exists(const std::string& subKey, const std::string& name) const override;
    std::optional<std::string> readText(const std::string& subKey,
                                        const std::string& name) const override;
    std::optional<int> readInt(const std::string& subKey, const std::string& name) const override;
    std::optional<std::string> writeText(const std::string& subKey, const std::string& name,
                                         const std::string& value) override;
    std::optional<std::string> writeInt(const std::string& subKey, const std::string& name,
                                        int value) override;
    std::optional<std::string> remove(const std::string& subKey, const std::string& name) override;

private:
    // Every access reads the store afresh, as the program never caches values.
    std::optional<QString> read(const std::string& subKey, const std::string& name) const;
    // Stores `value`, or removes the value when it is invalid.
    std::optional<std::string> store(const std::string& subKey, const std::string& name,
                                     const QVariant& value);
    std::optional<SettingsIniFile> load(std::string* error) const;

    QString iniFile_; // empty: the registry
};

} // namespace vamok

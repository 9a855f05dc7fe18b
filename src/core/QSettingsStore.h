#pragma once
// The platform settings store. On Windows the values live in the registry
// under HKEY_CURRENT_USER\SOFTWARE\QAL\Vamok\1.2; elsewhere in an INI file in
// the user's configuration folder (organisation "QAL", file "Vamok.ini"),
// where the key path becomes the group path SOFTWARE/QAL/Vamok/1.2.
#include "core/SettingsStore.h"

#include <QString>

class QSettings;

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
    void writeText(const std::string& subKey, const std::string& name,
                   const std::string& value) override;
    void writeInt(const std::string& subKey, const std::string& name, int value) override;
    void remove(const std::string& subKey, const std::string& name) override;

private:
    // Every access opens the key afresh, as the program never caches values.
    std::unique_ptr<QSettings> open(const std::string& subKey) const;

    QString iniFile_;
};

} // namespace vamok

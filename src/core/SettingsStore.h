#pragma once
// The per-user settings store: single named values under the main key
// "SOFTWARE\QAL\Vamok\1.2" and its sub-keys (only "Sprache" is used).
// Every access reads or writes one value; nothing is cached here.
#include <memory>
#include <optional>
#include <string>

namespace vamok {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // subKey: "" for the main key, "Sprache" for the language sub-key.
    virtual bool exists(const std::string& subKey, const std::string& name) const = 0;
    virtual std::optional<std::string> readText(const std::string& subKey,
                                                const std::string& name) const = 0;
    // std::nullopt when missing or not a 32-bit integer.
    virtual std::optional<int> readInt(const std::string& subKey, const std::string& name) const = 0;
    // Each change is stored at once. Nothing on success, otherwise the
    // reason it was not stored (the store as before).
    virtual std::optional<std::string> writeText(const std::string& subKey, const std::string& name,
                                                 const std::string& value) = 0;
    virtual std::optional<std::string> writeInt(const std::string& subKey, const std::string& name,
                                                int value) = 0;
    virtual std::optional<std::string> remove(const std::string& subKey, const std::string& name) = 0;

    // Convenience for the main key.
    std::string text(const std::string& name, const std::string& fallback = {}) const;
    int integer(const std::string& name, int fallback) const;
    // A flag is set only when the value exists and equals 1.
    bool flag(const std::string& name) const;
};

// The store the program uses. Starts as the platform store (QSettingsStore);
// tests install an in-memory store with SetSettingsStore.
SettingsStore& Settings();
void SetSettingsStore(std::unique_ptr<SettingsStore> store);

// The main key path and the language sub-key, as the program names them.
inline constexpr const char* kSettingsKey = "SOFTWARE\\QAL\\Vamok\\1.2";
inline constexpr const char* kLanguageSubKey = "Sprache";

} // namespace vamok

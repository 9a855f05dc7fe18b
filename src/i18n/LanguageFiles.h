#pragma once
// The language folder "Lang/" below the program folder and the files in it.
// Paths are CP1252 bytes.
#include "core/IniFile.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

inline constexpr const char* kMasterFileName = "MASTER.LANG";
inline constexpr const char* kIgnoreFileName = "MASTER.IGNORE";
inline constexpr const char* kLanguageListFileName = "Lang.ini";

std::string LanguageFileName(std::string_view code); // "Master." + code
std::string MissingFileName(std::string_view code);  // "_Missing." + code

// App().ProgramPath + "Lang/".
std::string LanguageFolder();
bool LanguageFolderExists();

// The path of a file in the language folder. The names were chosen on a
// system that ignores letter case, so an existing file whose name differs
// only in case is taken. std::nullopt for a name that would leave the folder
// (a language code from the settings may hold anything).
std::optional<std::string> LanguageFilePath(std::string_view name);

// Language files read once and kept while they stay unchanged on disk (same
// size and modification time), so that translating a window does not parse
// both files again for every key. Writes go to disk at once.
class LanguageFileCache {
public:
    std::optional<std::string> value(const std::string& path, std::string_view section,
                                     std::string_view key);
    // false with the platform's message in error when the file cannot be
    // written; the file is then unchanged.
    bool write(const std::string& path, std::string_view section, std::string_view key,
               std::string_view value, std::string& error);

private:
    struct Stamp {
        std::int64_t size = -1; // -1: absent
        std::int64_t modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Cached {
        Stamp stamp;
        std::optional<IniFile> file; // nothing when absent or unreadable
    };
    static Stamp StampOf(const std::string& path);
    Cached& load(const std::string& path);

    std::map<std::string, Cached> files_;
};

} // namespace vamok

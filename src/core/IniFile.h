#pragma once
// INI text files: profile files (.VPD), column files (.VBD) and the language
// files. Texts are CP1252 bytes. Lines end in CR LF, LF or a lone CR; a line
// "[name]" starts a section, "key=value" is an entry, a line starting with
// ';' is a comment. Section and key names compare without regard to letter
// case (code page 1252 letters included); the first of duplicate sections or
// keys is the one that counts. Values lose surrounding blanks and one pair of
// surrounding double quotes, and are cut to kMaxIniValueLength bytes.
//
// Writing keeps every other line as it was and writes CR LF line ends; a
// value with blanks at an end, or in quotes itself, is written in quotes so
// that it reads back unchanged.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamok {

inline constexpr std::size_t kMaxIniValueLength = 2047;
// Larger files are refused rather than read in part, so that a rewrite can
// never drop the rest of such a file.
inline constexpr std::size_t kMaxIniFileSize = 16 * 1024 * 1024;

class IniFile {
public:
    IniFile() = default;
    static IniFile FromBytes(std::string_view bytes);
    // std::nullopt when the file is absent, unreadable or too large; error
    // (when given) then says why, in the platform's words.
    static std::optional<IniFile> Load(const std::string& path, std::string* error = nullptr);

    // Section names in file order, each once.
    std::vector<std::string> sections() const;
    bool hasSection(std::string_view section) const;
    // Key names of the section in file order, each once.
    std::vector<std::string> keys(std::string_view section) const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string text(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Replaces the first entry of the key in place, or adds it after the last
    // line of its section, or adds the section at the end. Refuses (false)
    // names and values that would break the file's line structure: empty
    // names, line breaks anywhere, ']' in a section name, '=' in a key, a key
    // starting with '[' or ';'.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string toBytes() const;
    // Writes the whole file atomically (core/AtomicSave.h): a failed write
    // leaves the old file as it was. false with the system's reason in error.
    bool save(const std::string& path, std::string* error = nullptr) const;

private:
    struct Entry {
        std::string key;    // as written, trimmed
        std::string folded; // for comparing
        std::size_t line;
    };
    struct Section {
        std::string name;
        std::string folded;
        std::size_t header; // line of "[name]"
        std::size_t last;   // last non-blank line belonging to the section
        std::vector<Entry> entries;
    };

    void index();
    const Section* findSection(std::string_view section) const;
    static const Entry* findEntry(const Section& section, std::string_view key);

    std::vector<std::string> lines_; // without line ends
    std::vector<Section> sections_;   // lines before the first section are not indexed
};

// One read or write of a single value, opening and closing the file, as the
// platform's profile-string functions do. A missing file reads as empty; a
// write to a missing file creates it, a write to a file that exists but
// cannot be read fails without touching it.
std::string ReadIniText(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view fallback);
bool WriteIniText(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value, std::string* error = nullptr);

} // namespace vamok

#pragma once
// The settings file where there is no registry: an INI file in the form that
// QSettings (IniFormat) reads and writes, so that the files of earlier
// versions stay valid and QSettings reads the ones written here. The program
// writes it itself, because QSettings' own save replaces the old file with a
// cut one when the disk is full and still reports success.
//
// Keys are paths such as "SOFTWARE/QAL/Vamok/1.2/CommPort"; the part before
// the first '/' is the INI section ("[General]" for none). The file is
// written whole, as QSettings writes it: sections and keys sorted, a blank
// line between sections, comments dropped, every value that was not changed
// kept as it stood. Values are read as QSettings reads texts (quotes, escapes,
// "@@"); a list reads as an empty text, other non-text values as missing.
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

class SettingsIniFile {
public:
    static SettingsIniFile FromBytes(std::string_view bytes);

    std::optional<QString> value(const QString& key) const;
    void setValue(const QString& key, const QString& text);
    void remove(const QString& key);

    std::string toBytes() const;

private:
    std::map<QString, std::string> values_; // key path -> the value as written after '='
};

} // namespace vamok

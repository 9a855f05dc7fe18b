#include "types/TypeFile.h"

#include "core/Cp1252.h"
#include "core/TextHelpers.h"
#include "types/TypeDefaults.h"
#include "types/TypeLibrary.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

namespace vamok {

namespace {

// A type library is a few kilobytes; anything this large is not one.
constexpr qint64 kMaxTypeFileSize = 16 * 1024 * 1024;

// The lines of the file (LF or CR LF ended) read one after the other; past
// the end a read gives an empty line, as a text file does.
class LineSource {
public:
    explicit LineSource(const std::string& bytes)
    {
        std::size_t start = 0;
        while (start < bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string::npos)
                end = bytes.size();
            std::string line = bytes.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines_.push_back(std::move(line));
            start = end + 1;
        }
    }

    std::string Read() { return AtEnd() ? std::string() : lines_[next_++]; }
    bool AtEnd() const { return next_ >= lines_.size(); }
    // 1-based number of the line read last.
    std::size_t LineNumber() const { return next_; }
    // Nothing but empty lines after the line read last.
    bool OnlyEmptyLinesLeft() const
    {
        for (std::size_t i = next_; i < lines_.size(); ++i) {
            if (!lines_[i].empty())
                return false;
        }
        return true;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

// Which optional rows the file carries. A key counts only if all keys
// before it in this order are present; flags are never cleared.
struct Features {
    bool anemo = false, pmv = false, clo = false, co2 = false, vocoo = false, fein = false;

    void Read(const std::string& line)
    {
        const auto has = [&line](const char* key) { return line.find(key) != std::string::npos; };
        anemo = true;
        if (!has("PMV"))
            return;
        pmv = true;
        if (!has("Clo"))
            return;
        clo = true;
        if (!has("CO2"))
            return;
        co2 = true;
        if (!has("VOCOO"))
            return;
        vocoo = true;
        if (has("FEIN"))
            fein = true;
    }

    bool RowPresent(int row) const
    {
        switch (row) {
        case TypeRow::AirVelocity: return anemo;
        case TypeRow::CO2: return co2;
        case TypeRow::TVOC:
        case TypeRow::CO: return vocoo;
        case TypeRow::PM1:
        case TypeRow::PM25:
        case TypeRow::PM10: return fein;
        case TypeRow::PMV: return pmv;
        case TypeRow::Clothing: return clo;
        default: return true;
        }
    }
};

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The first five ";"-separated fields; missing fields are empty.
std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() < kTypeColumnCount && start <= line.size()) {
        std::size_t end = line.find(';', start);
        if (end == std::string::npos)
            end = line.size();
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    fields.resize(kTypeColumnCount);
    return fields;
}

std::optional<std::int32_t> FieldValue(const std::string& field, int row)
{
    if (IsHundredthsRow(row)) {
        const double scaled = std::nearbyint(TextToFloat(field) * 100.0);
        if (!std::isfinite(scaled) || scaled < std::numeric_limits<std::int32_t>::min()
            || scaled > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
        return static_cast<std::int32_t>(scaled);
    }
    const std::string text = Trimmed(field);
    if (text.empty())
        return 0;
    return ParseInt32(text);
}

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool NameTaken(const TAPListe& list, const std::string& name)
{
    for (const TAPDef& type : list) {
        if (type.Name == name)
            return true;
    }
    return false;
}

// The first free name X001..X999, or nothing when all are taken.
std::optional<std::string> FreeName(const TAPListe& list)
{
    for (int n = 1; n <= 999; ++n) {
        char name[8];
        std::snprintf(name, sizeof name, "X%.3d", n);
        if (!NameTaken(list, name))
            return std::string(name);
    }
    return std::nullopt;
}

void ShowRenameWarning(const std::string& report, TypeReporter& reporter)
{
    reporter.Message("Warnung",
                     JoinLines({"WARNUNG: AP-Dateifehler!", "Typen gleichen Namens in der Datei vorhanden!!",
                                "Zum Unterscheiden m\xFCssen die TypNamen", "eindeutig sein!",
                                "Zum Erkennen wurden die Namen umbenannt:", "", report,
                                "Bitte kontrollieren Sie anschliessend die", "ArbeitsplatzTypen"}));
}

class TypeTextReader {
public:
    TypeTextReader(const std::string& bytes, const std::string& path) : lines_(bytes), path_(path) {}

    TypeLoadResult Read()
    {
        std::string current = lines_.Read();
        while (!EndReached(current)) {
            if (current.find("Anemo") != std::string::npos) {
                features_.Read(current);
                current = lines_.Read();
                if (EndReached(current))
                    break;
            }
            if (!ReadType(current)) {
                PCTypes().pop_back(); // the half-read record
                result_.status = TypeFileStatus::Damaged;
                break;
            }
            current = lines_.Read();
        }
        return result_;
    }

private:
    // The end of the file, ignoring empty lines after the last type.
    bool EndReached(const std::string& current) const
    {
        return current.empty() && lines_.OnlyEmptyLinesLeft();
    }

    bool ReadType(const std::string& nameLine)
    {
        TAPListe& types = PCTypes();
        types.emplace_back();
        const std::size_t index = types.size() - 1;
        std::string name = TAPDef::TypeName(nameLine);
        if (NameTaken(types, name)) {
            const std::optional<std::string> fresh = FreeName(types);
            if (!fresh)
                return Fail(lines_.LineNumber(), nameLine, "Zu viele Typen gleichen Namens.");
            result_.renameReport += "Name: " + nameLine + "; Nr: " + std::to_string(index)
                + "; neuer Name: " + *fresh + "\r\n";
            name = *fresh;
        }
        types[index].SetName(name);
        if (UpperAscii(name) == kPredefinedTypeName)
            result_.hasPredefined = true;

        for (int row = 1; row <= kTypeRowCount; ++row) {
            if (!features_.RowPresent(row)) {
                ApplyDefaultRow(types[index], row);
                continue;
            }
            if (lines_.AtEnd())
                return Fail(lines_.LineNumber() + 1, "",
                            "Die Datei endet vor dem Ende des Typs \"" + name + "\".");
            if (!ReadRow(lines_.Read(), row, types[index]))
                return false;
        }
        types[index].SetMarker();
        return true;
    }

    bool ReadRow(const std::string& line, int row, TAPDef& type)
    {
        const std::vector<std::string> fields = Fields(line);
        for (int column = 1; column <= kTypeColumnCount; ++column) {
            const std::optional<std::int32_t> value = FieldValue(fields[column - 1], row);
            if (!value)
                return Fail(lines_.LineNumber(), line,
                            "'" + fields[column - 1] + "' ist kein g\xFCltiger ganzzahliger Wert.");
            type.at(column, row) = *value;
        }
        return true;
    }

    bool Fail(std::size_t lineNumber, const std::string& line, const std::string& reason)
    {
        result_.damage = JoinLines({"Fehler in der Typdatei", path_,
                                    "Zeile " + std::to_string(lineNumber) + ": " + line, reason,
                                    "Der unvollst\xE4ndige Typ wurde verworfen."});
        return false;
    }

    LineSource lines_;
    const std::string& path_;
    Features features_;
    TypeLoadResult result_;
};

} // namespace

TypeLoadResult LoadTypeText(const std::string& bytes, const std::string& path, TypeReporter& reporter)
{
    ResetPCTypes();
    TypeLoadResult result = TypeTextReader(bytes, path).Read();
    if (!result.renameReport.empty())
        ShowRenameWarning(result.renameReport, reporter);
    if (result.status == TypeFileStatus::Damaged)
        reporter.Message("FEHLER", result.damage);
    return result;
}

std::optional<std::string> ReadTypeFileBytes(const std::string& path)
{
    QFile file(FromCp1252(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTypeFileSize)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

TypeLoadResult LoadTypeFile(const std::string& path, TypeReporter& reporter)
{
    ResetPCTypes();
    if (!QFileInfo::exists(FromCp1252(path))) {
        PCTypes().push_back(DefaultType());
        return TypeLoadResult{TypeFileStatus::Missing, false, {}, {}};
    }
    const std::optional<std::string> bytes = ReadTypeFileBytes(path);
    if (!bytes)
        return TypeLoadResult{TypeFileStatus::Unreadable, false, {}, {}};
    return LoadTypeText(*bytes, path, reporter);
}

} // namespace vamok

#include "core/IniFile.h"

#include "core/AtomicSave.h"
#include "core/Cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace vamok {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Upper case of a code page 1252 letter; names compare in this form.
char FoldByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<char>(byte - 0x20);
    }
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
        return static_cast<char>(byte - 0x20);
    }
    switch (byte) {
    case 0x9A: return static_cast<char>(0x8A); // s caron
    case 0x9C: return static_cast<char>(0x8C); // oe
    case 0x9E: return static_cast<char>(0x8E); // z caron
    case 0xFF: return static_cast<char>(0x9F); // y diaeresis
    default: return c;
    }
}

std::string Fold(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        c = FoldByte(c);
    }
    return folded;
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::vector<std::string> SplitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

// The section name of a header line, or nothing for any other line. A
// header without its closing bracket still starts a section, so that its
// entries never count for the section above it.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    return Trim(line.substr(0, close));
}

std::string CleanValue(std::string_view raw)
{
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, kMaxIniValueLength));
}

// Reading drops surrounding blanks and one pair of quotes; quoting such a
// value keeps it as it was.
std::string StoredValue(std::string_view value)
{
    const bool blankEdge = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (blankEdge || quoted) {
        std::string quotedValue;
        quotedValue.reserve(value.size() + 2);
        quotedValue.append(1, '"').append(value).append(1, '"');
        return quotedValue;
    }
    return std::string(value);
}

// Built by appending: GCC 12 at -O2 reports a false -Wrestrict for
// `"[" + std::string(...)`.
std::string SectionLine(std::string_view section)
{
    std::string line;
    line.reserve(section.size() + 2);
    line.append(1, '[').append(section).append(1, ']');
    return line;
}

} // namespace

IniFile IniFile::FromBytes(std::string_view bytes)
{
    IniFile file;
    file.lines_ = SplitLines(bytes);
    file.index();
    return file;
}

std::optional<IniFile> IniFile::Load(const std::string& path, std::string* error)
{
    QFile file(FromCp1252(path));
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = ToCp1252(file.errorString());
        }
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxIniFileSize) + 1);
    if (bytes.size() > static_cast<qsizetype>(kMaxIniFileSize)) {
        if (error) {
            *error = "File too large";
        }
        return std::nullopt;
    }
    return FromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void IniFile::index()
{
    sections_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (const auto name = HeaderName(line)) {
            sections_.push_back({std::string(*name), Fold(*name), i, i, {}});
            continue;
        }
        if (sections_.empty()) {
            continue;
        }
        Section& section = sections_.back();
        const std::string_view content = Trim(line);
        if (content.empty()) {
            continue;
        }
        section.last = i;
        if (content.front() == ';') {
            continue;
        }
        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trim(content.substr(0, equals));
        if (!key.empty()) {
            section.entries.push_back({std::string(key), Fold(key), i});
        }
    }
}

const IniFile::Section* IniFile::findSection(std::string_view section) const
{
    const std::string folded = Fold(Trim(section));
    for (const Section& candidate : sections_) {
        if (candidate.folded == folded) {
            return &candidate;
        }
    }
    return nullptr;
}

const IniFile::Entry* IniFile::findEntry(const Section& section, std::string_view key)
{
    const std::string folded = Fold(Trim(key));
    for (const Entry& entry : section.entries) {
        if (entry.folded == folded) {
            return &entry;
        }
    }
    return nullptr;
}

std::vector<std::string> IniFile::sections() const
{
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (findSection(section.name) == &section) {
            names.push_back(section.name);
        }
    }
    return names;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    const Section* found = findSection(section);
    if (!found) {
        return names;
    }
    for (const Entry& entry : found->entries) {
        if (findEntry(*found, entry.key) == &entry) {
            names.push_back(entry.key);
        }
    }
    return names;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const Section* found = findSection(section);
    const Entry* entry = found ? findEntry(*found, key) : nullptr;
    if (!entry) {
        return std::nullopt;
    }
    const std::string_view line = lines_[entry->line];
    return CleanValue(line.substr(line.find('=') + 1));
}

std::string IniFile::text(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return value(section, key).value_or(std::string(fallback));
}

bool IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';') {
        return false;
    }
    const Section* found = findSection(section);
    const std::string stored = StoredValue(value);
    if (!found) {
        lines_.push_back(SectionLine(section));
        lines_.push_back(std::string(key) + "=" + stored);
    } else if (const Entry* entry = findEntry(*found, key)) {
        lines_[entry->line] = entry->key + "=" + stored;
    } else {
        const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(found->last + 1);
        lines_.insert(at, std::string(key) + "=" + stored);
    }
    index();
    return true;
}

std::string IniFile::toBytes() const
{
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

bool IniFile::save(const std::string& path, std::string* error) const
{
    const std::optional<std::string> failure = SaveAtomically(path, toBytes());
    if (failure && error) {
        *error = *failure;
    }
    return !failure;
}

std::string ReadIniText(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view fallback)
{
    const std::optional<IniFile> file = IniFile::Load(path);
    return file ? file->text(section, key, fallback) : std::string(fallback);
}

bool WriteIniText(const std::string& path, std::string_view section, std::string_view key,
                  std::string_view value, std::string* error)
{
    IniFile file;
    if (QFileInfo::exists(FromCp1252(path))) {
        std::optional<IniFile> loaded = IniFile::Load(path, error);
        if (!loaded) {
            return false;
        }
        file = std::move(*loaded);
    }
    if (!file.setValue(section, key, value)) {
        if (error) {
            *error = "Invalid section, key or value";
        }
        return false;
    }
    return file.save(path, error);
}

} // namespace vamok

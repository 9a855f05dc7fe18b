#include "core/SettingsIniFile.h"

#include <QByteArray>

namespace vamok {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kNone = std::string_view::npos;

bool IsLineSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

int HexValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCase[i])
            return false;
    }
    return true;
}

// One logical line, found as QSettings finds it: a quoted text may span line
// breaks, a backslash joins the next line, and a ';' outside quotes starts a
// comment that runs to the end of the line.
struct IniLine {
    std::size_t start = 0;
    std::size_t length = 0;
    std::size_t equals = kNone; // first '=' outside quotes
};

bool ReadIniLine(std::string_view data, std::size_t& pos, IniLine& line)
{
    bool inQuotes = false;
    line.equals = kNone;
    std::size_t start = pos;
    while (start < data.size() && IsLineSpace(data[start]))
        ++start;
    std::size_t i = start;
    while (i < data.size()) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals == kNone)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < data.size()) {
                const char next = data[i++];
                if (i < data.size()) {
                    const char after = data[i];
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && IsLineSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// Key and section names: '/' is written as '\', letters, digits, '_', '-'
// and '.' stand as they are, everything else as %XX or %UXXXX.
std::string EscapedKey(const QString& key)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        const bool plain = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
                           ch == '_' || ch == '-' || ch == '.';
        if (ch == '/') {
            out += '\\';
        } else if (plain) {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHex[ch >> 4];
            out += kHex[ch & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(ch >> shift) & 0xF];
        }
    }
    return out;
}

QString UnescapedKey(std::string_view bytes)
{
    const QString decoded = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString out;
    qsizetype i = 0;
    while (i < decoded.size()) {
        const char16_t ch = decoded.at(i).unicode();
        if (ch == '\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == decoded.size() - 1) {
            out += decoded.at(i++);
            continue;
        }
        const bool wide = decoded.at(i + 1) == u'U';
        const qsizetype first = i + (wide ? 2 : 1);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = first + digits <= decoded.size();
        const ushort code = ok ? decoded.mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(code);
        i = first + digits;
    }
    return out;
}

// A text as QSettings writes it: a leading '@' doubled (a text holding a NUL
// character in "@String(...)"), control characters
// escaped (a hex digit right after a \x escape is escaped too, so that it
// does not join it), and the whole in quotes when it holds ';', ',' or '='
// or starts or ends with a blank.
std::string EscapedText(const QString& text)
{
    const QString value = text.contains(QChar::Null) ? QLatin1String("@String(") + text + u')'
                          : text.startsWith(u'@')   ? u'@' + text
                                                    : text;
    std::string out;
    QString plain; // characters written as UTF-8, collected so that pairs stay whole
    const auto flush = [&] {
        out += plain.toUtf8().toStdString();
        plain.clear();
    };
    const auto hexEscape = [&](char16_t ch) {
        flush();
        out += "\\x" + QByteArray::number(ch, 16).toStdString();
    };
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (const QChar qch : value) {
        const char16_t ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfHex && HexValue(ch) >= 0) {
            hexEscape(ch);
            continue;
        }
        escapeNextIfHex = false;
        const char* escape = nullptr;
        switch (ch) {
        case '\0': escape = "\\0"; escapeNextIfHex = true; break;
        case '\a': escape = "\\a"; break;
        case '\b': escape = "\\b"; break;
        case '\f': escape = "\\f"; break;
        case '\n': escape = "\\n"; break;
        case '\r': escape = "\\r"; break;
        case '\t': escape = "\\t"; break;
        case '\v': escape = "\\v"; break;
        case '"': escape = "\\\""; break;
        case '\\': escape = "\\\\"; break;
        default: break;
        }
        if (escape) {
            flush();
            out += escape;
        } else if (ch <= 0x1F) {
            hexEscape(ch);
            escapeNextIfHex = true;
        } else {
            plain += qch;
        }
    }
    flush();
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': return '"';
    case '?': return '?';
    case '\'': return '\'';
    case '\\': return '\\';
    default: return 0;
    }
}

struct Unescaped {
    QString text;
    bool list = false; // an unquoted ',' makes the value a list
};

// The value text after '=', read as QSettings reads it: blanks before it and
// after closing quotes are skipped, trailing blanks of an unquoted value are
// dropped, escapes are undone, and a line break after a backslash vanishes.
Unescaped UnescapedValue(std::string_view raw)
{
    Unescaped result;
    QString& text = result.text;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t i = 0;
    qsizetype chopLimit = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && IsBlank(raw[i]))
            ++i;
        chopLimit = text.size();
    };
    skipBlanks();
    while (i < raw.size()) {
        const char ch = raw[i];
        if (ch == '\\') {
            if (++i >= raw.size())
                return result;
            const char e = raw[i++];
            if (const char simple = SimpleEscape(e)) {
                text += QLatin1Char(simple);
            } else if (e == 'x' || IsOctalDigit(e)) {
                const int base = e == 'x' ? 16 : 8;
                char16_t code = e == 'x' ? 0 : static_cast<char16_t>(e - '0');
                const auto digit = [&](char c) { return base == 16 ? HexValue(c) : (IsOctalDigit(c) ? c - '0' : -1); };
                if (e == 'x' && (i >= raw.size() || digit(raw[i]) < 0)) {
                    if (i >= raw.size())
                        return result;
                    chopLimit = text.size();
                    continue;
                }
                while (i < raw.size() && digit(raw[i]) >= 0)
                    code = static_cast<char16_t>(code * base + digit(raw[i++]));
                text += QChar(code);
            } else if ((e == '\n' || e == '\r') && i < raw.size() && (raw[i] == '\n' || raw[i] == '\r') &&
                       raw[i] != e) {
                ++i;
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (ch == ',' && !inQuotes) {
            result.list = true;
            return result;
        } else {
            std::size_t j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            text += QString::fromUtf8(raw.data() + i, static_cast<qsizetype>(j - i));
            i = j;
        }
    }
    if (!quoted) {
        qsizetype n = text.size();
        while (n > chopLimit && (text.at(n - 1) == u' ' || text.at(n - 1) == u'\t'))
            --n;
        text.truncate(n);
    }
    return result;
}

// QSettings' "@" forms: "@@" stands for a text starting with '@'; the forms
// of other value types are no text.
std::optional<QString> TextOfValue(std::string_view raw)
{
    Unescaped value = UnescapedValue(raw);
    if (value.list)
        return QString();
    const QString& s = value.text;
    if (!s.startsWith(u'@'))
        return s;
    if (s.endsWith(u')')) {
        if (s.startsWith(QLatin1String("@ByteArray(")))
            return s.mid(11).chopped(1);
        if (s.startsWith(QLatin1String("@String(")))
            return s.mid(8).chopped(1);
        for (const char* form : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid("})
            if (s.startsWith(QLatin1String(form)))
                return std::nullopt;
    }
    return s.startsWith(QLatin1String("@@")) ? s.mid(1) : s;
}

QString SectionName(std::string_view header)
{
    const std::string_view name = Trimmed(header);
    if (EqualsIgnoringCase(name, "general"))
        return {};
    if (EqualsIgnoringCase(name, "%general"))
        return QStringLiteral("General");
    return UnescapedKey(name);
}

std::string SectionHeader(const QString& section)
{
    if (section.isEmpty())
        return "[General]";
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%General]";
    std::string header = EscapedKey(section);
    header.insert(header.begin(), '[');
    header += ']';
    return header;
}

} // namespace

SettingsIniFile SettingsIniFile::FromBytes(std::string_view bytes)
{
    SettingsIniFile file;
    std::size_t pos = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom ? kUtf8Bom.size() : 0;
    QString section;
    IniLine line;
    while (ReadIniLine(bytes, pos, line)) {
        const std::string_view text = bytes.substr(line.start, line.length);
        if (text.front() == '[') {
            const std::size_t close = text.find(']');
            section = SectionName(close == kNone ? text.substr(1) : text.substr(1, close - 1));
            continue;
        }
        if (line.equals == kNone)
            continue;
        const std::size_t equals = line.equals - line.start;
        const QString key = UnescapedKey(Trimmed(text.substr(0, equals)));
        if (key.isEmpty())
            continue;
        std::string_view value = text.substr(equals + 1);
        while (!value.empty() && IsBlank(value.front()))
            value.remove_prefix(1);
        // A later entry of the same key replaces an earlier one.
        file.values_[section.isEmpty() ? key : section + u'/' + key] = std::string(value);
    }
    return file;
}

std::optional<QString> SettingsIniFile::value(const QString& key) const
{
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return TextOfValue(found->second);
}

void SettingsIniFile::setValue(const QString& key, const QString& text)
{
    values_[key] = EscapedText(text);
}

void SettingsIniFile::remove(const QString& key)
{
    values_.erase(key);
}

std::string SettingsIniFile::toBytes() const
{
    std::map<QString, std::map<QString, const std::string*>> sections;
    for (const auto& [path, value] : values_) {
        const qsizetype slash = path.indexOf(u'/');
        const QString section = slash < 0 ? QString() : path.left(slash);
        sections[section][slash < 0 ? path : path.mid(slash + 1)] = &value;
    }
    std::string out;
    for (const auto& [section, entries] : sections) {
        if (!out.empty())
            out += '\n';
        out += SectionHeader(section) + '\n';
        for (const auto& [key, value] : entries)
            out += EscapedKey(key) + '=' + *value + '\n';
    }
    return out;
}

} // namespace vamok

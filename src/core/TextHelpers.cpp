#include "core/TextHelpers.h"

#include "core/AppState.h"
#include "core/Cp1252.h"

#include <QFileInfo>
#include <QLocale>

#include <charconv>
#include <vector>

namespace vamok {

namespace {

int HexDigitValue(char c)
{
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return 0;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// A plain decimal number with the given separator: sign, digits, at most
// one separator, optional exponent. No thousands separators, no blanks
// inside, no "inf" or "nan".
std::optional<double> ParseLocaleNumber(std::string_view text, char separator)
{
    text = TrimBlanks(text);
    std::string plain;
    bool digits = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            plain.push_back(c);
        } else if (c == separator) {
            plain.push_back('.');
        } else if (c == '+' || c == '-' || c == 'e' || c == 'E') {
            plain.push_back(c);
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    std::string_view view = plain;
    if (!view.empty() && view.front() == '+') {
        view.remove_prefix(1);
        if (!view.empty() && view.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc{} || end != view.data() + view.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool BitIsSet(int n, const CharSet& set)
{
    return n >= 0 && n < static_cast<int>(set.size()) && set.test(static_cast<std::size_t>(n));
}

std::string HexEncode(const std::string& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.push_back(kDigits[value >> 4]);
        text.push_back(kDigits[value & 0x0F]);
    }
    return text;
}

std::string HexDecode(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        bytes.push_back(static_cast<char>(HexDigitValue(text[i]) * 16 + HexDigitValue(text[i + 1])));
    }
    return bytes;
}

std::string NormaliseDecimal(const std::string& text)
{
    const char localeSep = App().DecimalSep;
    const std::size_t comma = text.find(',');
    const std::size_t dot = text.find('.');
    std::string result = text;
    if (dot != std::string::npos && (comma == std::string::npos || comma < dot)) {
        std::erase(result, ',');
        if (localeSep == ',') {
            result[result.find('.')] = ',';
        }
    } else if (dot == std::string::npos && comma != std::string::npos && localeSep == '.') {
        result[comma] = '.';
    }
    return result;
}

double TextToFloat(const std::string& text)
{
    if (text.empty() || text == " " || text.find("-,-") != std::string::npos ||
        text.find("-.-") != std::string::npos) {
        return 0.0;
    }
    return ParseLocaleNumber(NormaliseDecimal(text), App().DecimalSep).value_or(0.0);
}

long long VersionToNumber(const std::string& text, int parts)
{
    const std::string_view trimmed = TrimBlanks(text);
    const bool dotted = trimmed.find('.') != std::string_view::npos;
    if (!dotted && parts >= 2) {
        return -1;
    }
    std::vector<int> components;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = trimmed.find('.', start);
        const std::string_view part =
            trimmed.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        const std::optional<int> value = ParseInt32(part);
        if (!value || *value < 0 || part.front() == '-' || part.front() == '+') {
            return -1;
        }
        components.push_back(*value);
        if (components.size() > 4) {
            return -1;
        }
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    if (parts > 0 && static_cast<int>(components.size()) != parts) {
        return -1;
    }
    long long number = 0;
    for (int component : components) {
        number = number * 256 + component;
    }
    return number;
}

std::string PadText(bool leftAligned, int width, const std::string& text)
{
    const std::size_t size = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (text.size() >= size) {
        return text.substr(0, size);
    }
    const std::string blanks(size - text.size(), ' ');
    return leftAligned ? text + blanks : blanks + text;
}

std::string UniqueFileName(const std::string& name)
{
    const auto exists = [](const std::string& candidate) {
        return QFileInfo::exists(FromCp1252(candidate));
    };
    if (!exists(name)) {
        return name;
    }
    const std::size_t cut = name.size() >= 4 ? name.size() - 4 : 0;
    const std::string base = name.substr(0, cut);
    const std::string extension = name.substr(cut);
    for (unsigned long n = 1;; ++n) {
        std::string candidate = base + "_" + std::to_string(n) + extension;
        if (!exists(candidate)) {
            return candidate;
        }
    }
}

char DecimalSepFromLocale()
{
    const std::string sep = ToCp1252(QLocale::system().decimalPoint());
    return sep.size() == 1 && sep[0] != '?' ? sep[0] : '.';
}

std::optional<int> ParseInt32(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string JoinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace vamok

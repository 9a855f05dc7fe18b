#include "i18n/LanguageText.h"

#include "core/TextHelpers.h"

namespace vamok {

std::string PadKey(std::string key)
{
    if (key.size() < kLanguageKeyWidth) {
        key.append(kLanguageKeyWidth - key.size(), '_');
    }
    return key;
}

std::string PropertyKey(std::string_view name, std::string_view property)
{
    std::string key(name);
    key += '.';
    key += property;
    return key;
}

std::string IndexedKey(std::string_view name, std::string_view property, std::size_t index)
{
    return PropertyKey(name, property) + "[" + std::to_string(index) + "]";
}

std::string StoreLineBreaks(std::string_view text)
{
    std::string stored;
    stored.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            stored += kStoredLineBreak;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            stored += c;
        }
    }
    return stored;
}

std::string RestoreLineBreaks(std::string_view text)
{
    const std::string_view mark(kStoredLineBreak);
    std::string restored;
    restored.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(mark); at != std::string_view::npos; at = text.find(mark, start)) {
        restored += text.substr(start, at - start);
        restored += "\r\n";
        start = at + mark.size();
    }
    restored += text.substr(start);
    return restored;
}

bool IsWholeNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    return ParseInt32(text).has_value();
}

} // namespace vamok

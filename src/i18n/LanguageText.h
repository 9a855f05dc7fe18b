#pragma once
// Keys and texts as the language files hold them. Texts are CP1252 bytes.
#include <cstddef>
#include <string>
#include <string_view>

namespace vamok {

// Keys are padded with '_' to this width; longer keys stay as they are.
inline constexpr std::size_t kLanguageKeyWidth = 30;

// The value every read falls back to: the key is not in the file.
inline constexpr const char* kAbsentText = "#ERR";
// Prefix of a key whose ignore entry must be reported to the caller.
inline constexpr const char* kSpecialKeyMark = "#spec#";
// Start of a looked-up hint: the items of that list stay untranslated.
inline constexpr const char* kKeepItemsMark = "#no#";
// A line break inside a text is stored as these two bytes (0xB0 0xB0, two degree signs).
inline constexpr const char* kStoredLineBreak = "\xB0\xB0";

// The original German interface: nothing is translated.
inline constexpr const char* kOriginalLanguage = "Orginal(Deutsch)";
inline constexpr const char* kLanguageValueName = "Sprache";

std::string PadKey(std::string key);

// name + "." + property, e.g. OnlineButton.Caption.
std::string PropertyKey(std::string_view name, std::string_view property);
// name + "." + property + "[" + index + "]", e.g. lang.Items[3].
std::string IndexedKey(std::string_view name, std::string_view property, std::size_t index);

// Every CR LF pair, and every CR or LF standing alone, becomes 0xB0 0xB0.
std::string StoreLineBreaks(std::string_view text);
// Every 0xB0 0xB0 pair becomes CR LF.
std::string RestoreLineBreaks(std::string_view text);

// The text converts to a whole number (32-bit, optional sign, leading
// blanks allowed); such texts are never recorded.
bool IsWholeNumber(std::string_view text);

} // namespace vamok

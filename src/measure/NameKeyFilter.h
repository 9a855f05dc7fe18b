#pragma once
// The key filter of the workplace-name and new-type fields.
#include <optional>

namespace vamok {

// The character a typed key puts into the field, or nothing when the key
// is rejected. Upper-case umlauts become lower-case; backspace, Enter,
// "ß", "ä", "ö", "ü" and blank to "}" except the backslash pass.
std::optional<char> FilterNameKey(char key);

} // namespace vamok

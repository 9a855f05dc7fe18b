#pragma once
// Text and number conversions shared by many windows. Texts are CP1252 bytes.
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

// A whole text that is a decimal 32-bit integer (optional sign, no blanks).
std::optional<int> ParseInt32(std::string_view text);

} // namespace vamok

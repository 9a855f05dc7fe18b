#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vamok::sim {

// Binary fields of the framed dialects travel as hex text.
std::string HexEncode(std::string_view bytes); // upper-case digits
// Strict: an odd length or a non-hex character gives nothing, so a malformed
// command is refused instead of being half understood. Either letter case.
std::optional<std::string> HexDecode(std::string_view text);
std::string HexByte(unsigned value); // two upper-case digits of value & 0xFF

} // namespace vamok::sim

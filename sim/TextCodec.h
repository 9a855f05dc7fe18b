#pragma once
#include <QString>
#include <string>

namespace vamok::sim {

// The instruments store text as Windows code page 1252 bytes; the state and
// record files hold Unicode (JSON). Characters without a code become '?'.
std::string ToCp1252(const QString& text);
QString FromCp1252(const std::string& bytes);

// The altarim and Quadrovan displays have their own codes for the umlauts:
// ä/Ä 0xE1, ß 0xE2, ö/Ö 0xEF, ü/Ü 0xF5 (upper case is lost on the way in).
std::string ToDisplayCodes(const std::string& cp1252);
std::string FromDisplayCodes(const std::string& display);

// Blank-padded or cut to exactly width bytes.
std::string FixedWidth(const std::string& bytes, std::size_t width);

} // namespace vamok::sim

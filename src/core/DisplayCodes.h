#pragma once
// The altarim-family displays (altarim, Quadrovan) have their own codes for
// the umlauts in names: ä/Ä 0xE1, ß 0xE2, ö/Ö 0xEF, ü/Ü 0xF5. Upper-case
// umlauts therefore come back in lower case.
#include <string>

namespace vamok {

// CP1252 text in the display's codes.
std::string ToDisplayCodes(std::string text);
// The display's codes back to CP1252 letters.
std::string FromDisplayCodes(std::string text);

} // namespace vamok

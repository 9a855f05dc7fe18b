#pragma once
// Text and number conversions shared by many windows. Texts are CP1252 bytes;
// numbers typed or stored use either decimal notation.
#include <bitset>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vamok {

// A set of byte values, as used for "allowed characters" tests.
using CharSet = std::bitset<256>;

// Bit n of the set; false for n outside 0..255.
bool BitIsSet(int n, const CharSet& set);

// Two upper-case hexadecimal digits per byte ("" for no bytes).
std::string HexEncode(const std::string& bytes);

// One byte per pair of characters from the start; a trailing odd character
// is ignored. "A".."F" in either case count 10..15, decimal digits their
// value, anything else 0 (so "zz" gives 0x00 and "1G" gives 0x10).
std::string HexDecode(const std::string& text);

// Brings a number in either notation into the notation of App().DecimalSep:
// with a "." (and no "," before it) every "," is a thousands separator;
// a lone "," is the decimal comma. Anything else stays as it is.
std::string NormaliseDecimal(const std::string& text);

// The value of a number in either notation; 0 for the placeholders "-,-"
// and "-.-", for empty text, a single blank and anything not a number.
double TextToFloat(const std::string& text);

// A dotted version ("1.4.4") as base-256 digits, first part highest; -1 when
// invalid, when it has more than four parts or, for parts > 0, not exactly
// `parts` parts. Without a dot the text is one part, allowed only for
// parts < 2.
long long VersionToNumber(const std::string& text, int parts);

// Exactly `width` characters: blanks added at the end (leftAligned) or at
// the start, or the text cut to its first `width` characters.
std::string PadText(bool leftAligned, int width, const std::string& text);

// `name` when no such file exists, else the name with "_n" put before its
// three-letter extension, n the smallest number not yet used
// (Vamok.APT -> Vamok_1.APT).
std::string UniqueFileName(const std::string& name);

// The lines joined by CR LF, as message boxes show them.
std::string JoinLines(std::initializer_list<std::string> lines);

// The decimal separator of the user's locale ('.' when it is not one byte).
char DecimalSepFromLocale();

// A whole text that is a decimal 32-bit integer (optional sign, no blanks).
std::optional<int> ParseInt32(std::string_view text);

} // namespace vamok

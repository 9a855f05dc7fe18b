#pragma once
// Conversion between the program's 8-bit texts (Windows code page 1252) and
// Qt's Unicode strings. Done once, where a text meets a widget or a file name.
#include <QString>
#include <string>

namespace vamok {

// Every byte maps to one character; the five bytes that code page 1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control
// characters of the same value, so any byte string survives a round trip.
QString FromCp1252(const std::string& bytes);

// Characters without a code page 1252 byte become '?'.
std::string ToCp1252(const QString& text);

} // namespace vamok

#include "sim/TextCodec.h"

#include <array>

namespace vamok::sim {

namespace {
// Code points of the bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char EncodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
        if (kHighControlRange[i] != 0 && kHighControlRange[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

std::string ToCp1252(const QString& text)
{
    std::string out;
    out.reserve(text.size());
    for (QChar c : text)
        out += EncodeChar(c.unicode());
    return out;
}

QString FromCp1252(const std::string& bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b < 0xA0)
            out += QChar(kHighControlRange[b - 0x80] != 0 ? kHighControlRange[b - 0x80] : u'?');
        else
            out += QChar(static_cast<char16_t>(b));
    }
    return out;
}

std::string ToDisplayCodes(const std::string& cp1252)
{
    std::string out = cp1252;
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC4: case 0xE4: c = static_cast<char>(0xE1); break; // Ä ä
        case 0xD6: case 0xF6: c = static_cast<char>(0xEF); break; // Ö ö
        case 0xDC: case 0xFC: c = static_cast<char>(0xF5); break; // Ü ü
        case 0xDF: c = static_cast<char>(0xE2); break;            // ß
        default: break;
        }
    }
    return out;
}

std::string FromDisplayCodes(const std::string& display)
{
    std::string out = display;
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE1: c = static_cast<char>(0xE4); break;
        case 0xEF: c = static_cast<char>(0xF6); break;
        case 0xF5: c = static_cast<char>(0xFC); break;
        case 0xE2: c = static_cast<char>(0xDF); break;
        default: break;
        }
    }
    return out;
}

std::string FixedWidth(const std::string& bytes, std::size_t width)
{
    std::string out = bytes.substr(0, width);
    out.resize(width, ' ');
    return out;
}

} // namespace vamok::sim

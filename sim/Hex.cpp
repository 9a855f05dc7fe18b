#include "sim/Hex.h"

namespace vamok::sim {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

std::string HexByte(unsigned value)
{
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

std::string HexEncode(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes)
        out += HexByte(b);
    return out;
}

std::optional<std::string> HexDecode(std::string_view text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = DigitValue(text[i]);
        const int lo = DigitValue(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

} // namespace vamok::sim

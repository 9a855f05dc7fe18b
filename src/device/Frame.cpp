#include "device/Frame.h"

#include <cstdio>
#include <optional>

namespace vamok {

namespace {

unsigned ByteSum(const std::string& bytes, std::size_t from, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    return sum % 256;
}

std::optional<unsigned> UpperHexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

} // namespace

std::string BuildFrame(const std::string& payload)
{
    char checksum[3];
    std::snprintf(checksum, sizeof checksum, "%02X", ByteSum(payload, 0, payload.size()));
    return kSTX + payload + checksum + kETX;
}

std::string CheckFrame(const std::string& frame)
{
    const std::size_t n = frame.size();
    if (n <= 3)
        return {};
    const auto high = UpperHexDigit(frame[n - 3]);
    const auto low = UpperHexDigit(frame[n - 2]);
    const std::size_t payloadLength = n - 4;
    if (!high || !low || *high * 16 + *low != ByteSum(frame, 1, payloadLength))
        return {};
    return frame.substr(1, payloadLength);
}

} // namespace vamok

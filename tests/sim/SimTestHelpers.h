#pragma once
#include <initializer_list>
#include <string>

namespace vamok::sim::test {

inline std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// Big-endian word at a byte offset.
inline int WordAt(const std::string& bytes, std::size_t offset)
{
    return static_cast<unsigned char>(bytes.at(offset)) * 256 + static_cast<unsigned char>(bytes.at(offset + 1));
}

// Payload sum modulo 256 as the frames carry it, computed here by hand.
inline std::string Framed(const std::string& payload)
{
    unsigned sum = 0;
    for (unsigned char c : payload)
        sum += c;
    static const char* digits = "0123456789ABCDEF";
    return std::string(1, '\x02') + payload + digits[(sum >> 4) & 0xF] + digits[sum & 0xF] + '\x03';
}

} // namespace vamok::sim::test

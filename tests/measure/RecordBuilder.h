#pragma once
// Builds instrument memory records byte by byte for the decoder tests.
#include <cstdint>
#include <string>

class RecordBuilder {
public:
    explicit RecordBuilder(std::size_t size, char fill = '\0') : bytes_(size, fill) {}

    RecordBuilder& byte(std::size_t offset, std::uint8_t b)
    {
        bytes_.at(offset) = static_cast<char>(b);
        return *this;
    }
    RecordBuilder& word(std::size_t offset, std::uint16_t w)
    {
        return byte(offset, static_cast<std::uint8_t>(w >> 8)).byte(offset + 1, w & 0xFF);
    }
    RecordBuilder& dword(std::size_t offset, std::uint32_t d)
    {
        return word(offset, static_cast<std::uint16_t>(d >> 16)).word(offset + 2, d & 0xFFFF);
    }
    RecordBuilder& text(std::size_t offset, const std::string& t)
    {
        bytes_.replace(offset, t.size(), t);
        return *this;
    }
    RecordBuilder& resize(std::size_t size)
    {
        bytes_.resize(size);
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

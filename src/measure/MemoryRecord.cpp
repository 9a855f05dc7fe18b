#include "measure/MemoryRecord.h"

namespace vamok {

std::optional<std::string_view> RecordOfReply(std::string_view reply)
{
    const auto pos = reply.find("MEM");
    if (pos == std::string_view::npos)
        return std::nullopt;
    return reply.substr(pos + 3);
}

bool IsRecordFor(std::string_view record, int workplace)
{
    return !record.empty() && static_cast<std::uint8_t>(record[0]) == workplace;
}

std::string FieldText(std::string_view field)
{
    return std::string(field.substr(0, field.find('\0')));
}

std::string TrimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

std::uint8_t RecordBytes::byte(std::size_t offset) const
{
    return offset < bytes_.size() ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
}

std::uint16_t RecordBytes::word(std::size_t offset) const
{
    return static_cast<std::uint16_t>((byte(offset) << 8) | byte(offset + 1));
}

std::uint32_t RecordBytes::dword(std::size_t offset) const
{
    return (static_cast<std::uint32_t>(word(offset)) << 16) | word(offset + 2);
}

std::string RecordBytes::text(std::size_t offset, std::size_t length) const
{
    if (offset >= bytes_.size())
        return {};
    return std::string(bytes_.substr(offset, length));
}

std::int32_t SignedWord(std::uint16_t w)
{
    return w > 0x7FFF ? static_cast<std::int32_t>(w) - 0x10000 : w;
}

std::int32_t DivideBy10HalfEven(std::int32_t v)
{
    std::int32_t q = v / 10;
    const std::int32_t r = v % 10; // same sign as v
    if (r > 5 || (r == 5 && q % 2 != 0))
        ++q;
    else if (r < -5 || (r == -5 && q % 2 != 0))
        --q;
    return q;
}

} // namespace vamok

#include "types/FixedText.h"

#include <charconv>

namespace vamok {

std::string FixedText(long double value, int decimals, char sep)
{
    char buffer[128];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                            decimals);
    if (error != std::errc{})
        return {};
    std::string text(buffer, end);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text[point] = sep;
    return text;
}

} // namespace vamok

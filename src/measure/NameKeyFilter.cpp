#include "measure/NameKeyFilter.h"

namespace vamok {

std::optional<char> FilterNameKey(char key)
{
    switch (key) {
    case '\xC4':
        return '\xE4';
    case '\xD6':
        return '\xF6';
    case '\xDC':
        return '\xFC';
    case '\b':
    case '\r':
    case '\xDF':
    case '\xE4':
    case '\xF6':
    case '\xFC':
        return key;
    case '\\':
        return std::nullopt;
    default:
        break;
    }
    const auto c = static_cast<unsigned char>(key);
    if (c >= 0x20 && c <= 0x7D)
        return key;
    return std::nullopt;
}

} // namespace vamok

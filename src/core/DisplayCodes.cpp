#include "core/DisplayCodes.h"

namespace vamok {

std::string ToDisplayCodes(std::string text)
{
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0xC4: case 0xE4: c = '\xE1'; break; // Ä ä
        case 0xD6: case 0xF6: c = '\xEF'; break; // Ö ö
        case 0xDC: case 0xFC: c = '\xF5'; break; // Ü ü
        case 0xDF: c = '\xE2'; break;            // ß
        default: break;
        }
    }
    return text;
}

std::string FromDisplayCodes(std::string text)
{
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE1: c = '\xE4'; break; // ä
        case 0xE2: c = '\xDF'; break; // ß
        case 0xEF: c = '\xF6'; break; // ö
        case 0xF5: c = '\xFC'; break; // ü
        default: break;
        }
    }
    return text;
}

} // namespace vamok

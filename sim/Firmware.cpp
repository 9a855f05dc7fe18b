#include "sim/Firmware.h"

#include <cctype>

namespace vamok::sim {

long FirmwareNumber(const std::string& version)
{
    long parts[3] = {0, 0, 0};
    int index = 0;
    long current = 0;
    bool valid = true;
    for (char c : version + ".") {
        if (c == '.') {
            if (index < 3)
                parts[index] = valid ? current : 0;
            ++index;
            current = 0;
            valid = true;
        } else if (std::isdigit(static_cast<unsigned char>(c)) && current < 100000) {
            current = current * 10 + (c - '0');
        } else {
            valid = false;
        }
    }
    return parts[0] * 65536 + parts[1] * 256 + parts[2];
}

bool IsEarlyAltarimFirmware(const std::string& version)
{
    return version.find("0.") != std::string::npos || version.find("1.0") != std::string::npos;
}

} // namespace vamok::sim

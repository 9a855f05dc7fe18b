#include "app/AboutText.h"

#include "app/Version.h"

namespace vamok {

std::string AboutVersionLine(const std::string& firstSuffix, const std::string& secondSuffix)
{
    std::string line = "VAMOK Ver. " + VersionText();
    for (const std::string* suffix : {&firstSuffix, &secondSuffix}) {
        if (!suffix->empty()) {
            line += " (" + *suffix + ")";
        }
    }
    return line;
}

} // namespace vamok
